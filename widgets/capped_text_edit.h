#pragma once
#include <QTextEdit>

// A text view that holds at most `capacity` characters, paragraph breaks included: a typed
// key, an input method's text, a paste or a drop that would go past it is refused whole and
// leaves the text as it was.
class CappedTextEdit : public QTextEdit {
public:
    CappedTextEdit(int capacity, QWidget *parent);

    // The characters the text holds, paragraph breaks included.
    int Length() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Whether `added` characters fit in place of the selection.
    bool Fits(qsizetype added) const;

    int FCapacity;
};
