#pragma once
#include <QPlainTextEdit>

// A plain-text view for long lists of lines. A text document spends microseconds on each
// paragraph it takes, so a list longer than kOneBlockPerLineLimit lines goes in as paragraphs
// of kLinesPerBlock lines joined by line separators: what the view shows, selects and copies
// (toPlainText included) is the same, and a million lines go in a few times faster. The
// view's line count, and so its scroll range, is kept exact for such paragraphs, which the
// plain-text layout would otherwise count as one line until they are first drawn.
class LineListView : public QPlainTextEdit {
public:
    static constexpr qsizetype kOneBlockPerLineLimit = 100000;
    static constexpr qsizetype kLinesPerBlock = 64;

    explicit LineListView(QWidget *parent);

    // Appends `lines` ("\n"-separated) below the text, as appendPlainText does.
    void AppendLines(QString lines);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Gives each paragraph from `block` on the count of lines it holds and updates the
    // scroll range.
    void CountLines(QTextBlock block);

    bool FHoldsJoinedLines = false;
};
