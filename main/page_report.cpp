// "Report": the coloured log that calculations write to.
#include <QEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include "main/controls.h"
#include "main/main.h"
#include "common/errors.h"
#include "tools/text_capacity.h"
#include "widgets/capped_text_edit.h"

namespace {
// The view accepts at most 64K characters in all, whether added by the program, typed or
// pasted.
constexpr int kLogCapacity = 65536;
}  // namespace

void TfrmMain::CreateReportPage(QWidget *page)
{
    memoLog = controls::Make<CappedTextEdit>(page, "memoLog", {9, 26, 872, 583}, kLogCapacity);
    memoLog->setFrameShape(QFrame::NoFrame);
    memoLog->setFont(controls::InterfaceFont(16));
    memoLog->setAcceptRichText(false);
    memoLog->setLineWrapMode(QTextEdit::WidgetWidth);
    memoLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int line = 1; line <= 8; ++line)
        memoLog->append(QString::number(line));
    memoLog->viewport()->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (memoLog && watched == memoLog->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        memoLogDblClick(memoLog);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::memoLogDblClick(QObject *)
{
    HandleErrors([&] { memoLog->clear(); });
}

void TfrmMain::LogFmt(QColor colour, std::string_view format,
                      std::initializer_list<zolvik::FormatArg> args)
{
    const QString line = QString::fromStdString(zolvik::Format(format, args, DecimalSeparator()));
    QTextDocument *document = memoLog->document();
    const bool empty = document->isEmpty();
    // characterCount() counts the final paragraph separator too; a line after the first one
    // adds a paragraph break before it.
    const auto length = static_cast<std::size_t>(document->characterCount() - 1);
    const auto added = static_cast<std::size_t>(line.size()) + (empty ? 0 : 1);
    if (!zolvik::EditFits(length, 0, added, kLogCapacity))
        throw zolvik::Error("RichEdit line insertion error");

    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat lineFormat;
    lineFormat.setForeground(colour);
    if (!empty)
        cursor.insertBlock(QTextBlockFormat(), lineFormat);
    cursor.insertText(line, lineFormat);
    ScrollLogToEnd(memoLog);
}

void TfrmMain::Log(QColor colour, const QString &text)
{
    LogFmt(colour, text.toStdString(), {});
}

void TfrmMain::ScrollLogToEnd(QTextEdit *view)
{
    QScrollBar *bar = view->verticalScrollBar();
    bar->setValue(bar->maximum());
}
