#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "hex2bin/line_reader.h"

namespace hex2bin {
namespace {

// A source handing out `text` at most `piece` bytes at a time, as a pipe or a slow disk might.
TextSource Trickle(std::string text, std::size_t piece)
{
    auto at = std::make_shared<std::size_t>(0);
    return [text = std::move(text), piece, at](char *buffer, std::size_t count) {
        const std::size_t n = std::min({count, piece, text.size() - *at});
        std::memcpy(buffer, text.data() + *at, n);
        *at += n;
        return n;
    };
}

struct LinesCase {
    const char *name;
    std::string text;
    std::vector<std::string> lines;
    char first;
};

class LineReaderLines : public testing::TestWithParam<LinesCase> {};

TEST_P(LineReaderLines, GivesTheSameLinesWhateverThePieces)
{
    const LinesCase &c = GetParam();
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
        SCOPED_TRACE(piece);
        LineReader reader(Trickle(c.text, piece));
        EXPECT_EQ(reader.First(), c.first);
        std::vector<std::string> lines;
        std::string_view line;
        while (reader.Next(line)) {
            lines.emplace_back(line);
            EXPECT_EQ(reader.LineNumber(), lines.size());
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_FALSE(reader.Cut());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineReaderLines,
    testing::Values(LinesCase{"Empty", "", {}, '\0'},
                    LinesCase{"LastLineWithoutEnd", ":A\n:B", {":A", ":B"}, ':'},
                    LinesCase{"CrLfAndBlanksTrimmed", " \t:A \r\n\r\n:B\n", {":A", "", ":B"}, ' '},
                    LinesCase{"ByteOrderMarkSkipped", "\xEF\xBB\xBFS0\n", {"S0"}, 'S'},
                    LinesCase{"ByteOrderMarkOnlyAtTheStart",
                              ":A\n\xEF\xBB\xBF:B\n",
                              {":A", "\xEF\xBB\xBF:B"},
                              ':'},
                    LinesCase{"LongestLineWhole",
                              std::string(kMaxLineLength, 'x') + "\ny",
                              {std::string(kMaxLineLength, 'x'), "y"},
                              'x'}),
    [](const testing::TestParamInfo<LinesCase> &info) { return std::string(info.param.name); });

TEST(LineReader, CutsALineLongerThanTheLimitAndReadsNoFurther)
{
    // An endless text without a line end is read no further than the limit and a buffer.
    std::size_t handedOut = 0;
    LineReader reader([&handedOut](char *buffer, std::size_t count) {
        std::memset(buffer, 0, count);
        handedOut += count;
        return count;
    });
    std::string_view line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_TRUE(reader.Cut());
    EXPECT_EQ(line.size(), kMaxLineLength);
    EXPECT_EQ(reader.LineNumber(), 1u);
    EXPECT_FALSE(reader.Next(line));
    EXPECT_LE(handedOut, std::size_t{1} << 20);
}

}  // namespace
}  // namespace hex2bin
