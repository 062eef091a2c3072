#include "widgets/line_list_view.h"

#include <QScrollBar>
#include <QTextBlock>

LineListView::LineListView(QWidget *parent) : QPlainTextEdit(parent) {}

void LineListView::AppendLines(QString lines)
{
    if (lines.count(u'\n') >= kOneBlockPerLineLimit) {
        qsizetype breaks = 0;
        for (QChar &c : lines)
            if (c == u'\n' && ++breaks % kLinesPerBlock != 0)
                c = QChar::LineSeparator;
        FHoldsJoinedLines = true;
    }
    const int firstNew = document()->isEmpty() ? 0 : document()->blockCount();
    const bool atEnd =
        isVisible() && verticalScrollBar()->value() == verticalScrollBar()->maximum();
    appendPlainText(lines);
    if (FHoldsJoinedLines) {
        CountLines(document()->findBlockByNumber(firstNew));
        if (atEnd)
            verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}

void LineListView::resizeEvent(QResizeEvent *event)
{
    // A new width lays the document out afresh, which counts every paragraph as one line.
    QPlainTextEdit::resizeEvent(event);
    if (FHoldsJoinedLines)
        CountLines(document()->firstBlock());
}

void LineListView::CountLines(QTextBlock block)
{
    for (; block.isValid(); block = block.next())
        if (block.isVisible())
            block.setLineCount(1 + int(block.text().count(QChar::LineSeparator)));
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    emit layout->documentSizeChanged(layout->documentSize());
}
