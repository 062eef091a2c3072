#include "widgets/capped_text_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "tools/text_capacity.h"

namespace {

// The characters the key would type: a paragraph break for Return and Enter, its text when
// that is printable or a tab, as the text control inserts it.
qsizetype TypedLength(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 1;
    const QString text = event->text();
    if (!text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t')))
        return text.size();
    return 0;
}

}  // namespace

CappedTextEdit::CappedTextEdit(int capacity, QWidget *parent)
    : QTextEdit(parent), FCapacity(capacity)
{}

int CappedTextEdit::Length() const
{
    // characterCount() counts the paragraph separator that ends the document too.
    return document()->characterCount() - 1;
}

bool CappedTextEdit::Fits(qsizetype added) const
{
    const QTextCursor cursor = textCursor();
    return zolvik::EditFits(
        static_cast<std::size_t>(Length()),
        static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart()),
        static_cast<std::size_t>(added), static_cast<std::size_t>(FCapacity));
}

void CappedTextEdit::keyPressEvent(QKeyEvent *event)
{
    const qsizetype typed = TypedLength(event);
    if (typed > 0 && !isReadOnly() && !Fits(typed)) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void CappedTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() && !Fits(event->commitString().size())) {
        event->accept();
        return;
    }
    QTextEdit::inputMethodEvent(event);
}

// Pastes and drops of plain text; a text longer than the room left is not inserted at all.
void CappedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText() && !Fits(source->text().size()))
        return;
    QTextEdit::insertFromMimeData(source);
}
