#include <QScrollBar>
#include <QTextBlock>

#include <gtest/gtest.h>

#include "widgets/line_list_view.h"

namespace {

// Numbered lines "0" .. "count - 1".
QString Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QString::number(i);
    return lines.join('\n');
}

// Past the limit the lines go in as joined paragraphs; the text, the line count and the
// scroll range are those of one paragraph per line, also after the view is laid out afresh.
TEST(LineListView, LongListsKeepTheirTextAndLineCount)
{
    const int limit = int(LineListView::kOneBlockPerLineLimit);
    const struct {
        int before, added, blocks;
    } cases[] = {
        {0, limit, limit},
        {0, limit + 1, (limit + 64) / 64},
        {3, limit + 1, 3 + (limit + 64) / 64},
    };
    for (const auto &c : cases) {
        LineListView view(nullptr);
        view.resize(300, 200);
        view.show();
        if (c.before)
            view.AppendLines(Lines(c.before));
        view.AppendLines(Lines(c.added));
        view.resize(320, 200);

        const QString expected =
            c.before ? Lines(c.before) + '\n' + Lines(c.added) : Lines(c.added);
        EXPECT_EQ(view.toPlainText(), expected) << c.added;
        EXPECT_EQ(view.document()->blockCount(), c.blocks) << c.added;
        EXPECT_EQ(view.document()->lineCount(), c.before + c.added) << c.added;
        EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
        EXPECT_GT(view.verticalScrollBar()->maximum(), c.before + c.added - 20);
        EXPECT_EQ(view.document()->lastBlock().text().section(QChar::LineSeparator, -1),
                  QString::number(c.added - 1));
    }
}

}  // namespace
