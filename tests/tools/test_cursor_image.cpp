#include "tools/cursor_image.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace zolvik;

namespace {

CursorTable Filled(std::int32_t code)
{
    CursorTable table;
    table.fill(code);
    return table;
}

std::string Repeat(const std::string &piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::vector<std::string> SplitCrLf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

void Stamp(CursorTable &table, CursorShape shape, std::int32_t code)
{
    for (const auto &[x, y] : CursorShapeCells(shape))
        table[CursorIndex(x, y)] = code;
}

}  // namespace

TEST(CursorTable, IndexRunsDownEachColumn)
{
    EXPECT_EQ(CursorIndex(0, 0), 0);
    EXPECT_EQ(CursorIndex(0, 1), 1);
    EXPECT_EQ(CursorIndex(1, 0), 64);
    EXPECT_EQ(CursorIndex(63, 63), 4095);
    EXPECT_EQ(kCursorBinarySize, 16384u);
}

TEST(CursorCell, TextReadsAsWholeNumberOrZero)
{
    EXPECT_EQ(CursorCodeFromText("2"), 2);
    EXPECT_EQ(CursorCodeFromText("-7"), -7);
    EXPECT_EQ(CursorCodeFromText("1000000"), 1000000);
    EXPECT_EQ(CursorCodeFromText(""), 0);
    EXPECT_EQ(CursorCodeFromText("two"), 0);
    EXPECT_EQ(CursorCodeFromText("3 "), 0);
}

TEST(CursorCell, FillAndHotSpotColours)
{
    EXPECT_EQ(CursorCellColour(0, false), 0x000000u);
    EXPECT_EQ(CursorCellColour(1, false), 0xFFFFFFu);
    EXPECT_EQ(CursorCellColour(2, false), 0xC0C0C0u);
    EXPECT_EQ(CursorCellColour(3, false), 0x008000u);
    EXPECT_EQ(CursorCellColour(0, true), 0x0000FFu);
    EXPECT_EQ(CursorCellColour(1, true), 0x00FFFFu);
    EXPECT_EQ(CursorCellColour(2, true), 0x808080u);
    EXPECT_EQ(CursorCellColour(3, true), 0xFFFF00u);
    for (std::int32_t other : {4, 6, -1, 0x7FFFFFFF}) {
        EXPECT_EQ(CursorCellColour(other, false), 0x008000u) << other;
        EXPECT_EQ(CursorCellColour(other, true), 0xFFFF00u) << other;
    }
}

TEST(CursorShapes, CellCountsAndPlaces)
{
    const auto distinct = [](CursorShape shape) {
        const auto cells = CursorShapeCells(shape);
        return std::set<std::pair<int, int>>(cells.begin(), cells.end());
    };
    const auto cross = distinct(CursorShape::Cross);
    EXPECT_EQ(cross.size(), 252u);
    for (int i = 0; i < 64; ++i)
        for (auto cell : {std::pair{i, 31}, {i, 32}, {31, i}, {32, i}})
            EXPECT_TRUE(cross.count(cell)) << cell.first << "," << cell.second;
    EXPECT_FALSE(cross.count({30, 30}));

    const auto diagonals = distinct(CursorShape::Diagonals);
    EXPECT_EQ(diagonals.size(), 128u);
    EXPECT_EQ(CursorShapeCells(CursorShape::Diagonals).size(), 128u);  // no cell shared
    for (auto cell :
         {std::pair{0, 0}, {63, 63}, {63, 0}, {0, 63}, {31, 31}, {32, 32}, {32, 31}, {31, 32}})
        EXPECT_TRUE(diagonals.count(cell)) << cell.first << "," << cell.second;

    const auto hash = distinct(CursorShape::Hash);
    EXPECT_EQ(hash.size(), 252u);
    for (int i = 0; i < 64; ++i)
        for (auto cell : {std::pair{i, 21}, {i, 42}, {21, i}, {42, i}})
            EXPECT_TRUE(hash.count(cell));
    EXPECT_FALSE(hash.count({22, 22}));
}

TEST(CursorShapes, LaterShapeWinsWhereLinesCross)
{
    CursorTable table = Filled(kCursorTransparent);
    Stamp(table, CursorShape::Cross, 0);
    Stamp(table, CursorShape::Hash, 1);
    EXPECT_EQ(table[CursorIndex(21, 31)], 1);  // "#" column 21 crosses "+" rows 31-32
    EXPECT_EQ(table[CursorIndex(42, 32)], 1);
    EXPECT_EQ(table[CursorIndex(31, 21)], 1);
    EXPECT_EQ(table[CursorIndex(32, 42)], 1);
    EXPECT_EQ(table[CursorIndex(31, 0)], 0);   // "+" alone
    EXPECT_EQ(table[CursorIndex(21, 0)], 1);   // "#" alone
    EXPECT_EQ(table[CursorIndex(0, 0)], 2);    // untouched
    EXPECT_EQ(table[CursorIndex(31, 31)], 0);  // centre belongs to "+" only
}

TEST(CursorHeader, PacksLeftmostPixelHighest)
{
    EXPECT_EQ(PackCursorPixels(2, 2, 2, 0), 0xA8);
    EXPECT_EQ(PackCursorPixels(0, 2, 2, 2), 0x2A);
    EXPECT_EQ(PackCursorPixels(3, 0, 0, 0), 0xC0);
    EXPECT_EQ(PackCursorPixels(0, 0, 0, 1), 0x01);
    EXPECT_EQ(PackCursorPixels(6, -1, 5, 4), 0xB4);  // low two bits only: 2, 3, 1, 0
}

TEST(CursorHeader, CleanPictureGivesEntriesAAWithCommas)
{
    const std::string text = CursorHeaderText(Filled(kCursorTransparent));
    EXPECT_EQ(text.size(), 5290u);
    const auto lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 66u);
    EXPECT_EQ(lines[0], "const unsigned char cursor[1024] = {");
    for (int i = 1; i <= 64; ++i) {
        EXPECT_EQ(lines[i], Repeat("0xAA,", 16)) << "line " << i + 1;
        EXPECT_EQ(lines[i].size(), 80u);
    }
    EXPECT_EQ(lines[65], "};");
    EXPECT_EQ(text.substr(text.size() - 4), "};\r\n");
}

TEST(CursorHeader, UniformPicturesGiveUniformEntries)
{
    const std::pair<std::int32_t, const char *> cases[] = {
        {0, "0x00,"}, {1, "0x55,"}, {3, "0xFF,"}, {6, "0xAA,"}, {-1, "0xFF,"}};
    for (const auto &[code, entry] : cases) {
        const auto lines = SplitCrLf(CursorHeaderText(Filled(code)));
        ASSERT_EQ(lines.size(), 66u);
        for (int i = 1; i <= 64; ++i)
            EXPECT_EQ(lines[i], Repeat(entry, 16)) << "code " << code << " line " << i + 1;
    }
}

TEST(CursorHeader, CleanPlusCrossInCodeZero)
{
    CursorTable table = Filled(kCursorTransparent);
    Stamp(table, CursorShape::Cross, 0);
    const auto lines = SplitCrLf(CursorHeaderText(table));
    ASSERT_EQ(lines.size(), 66u);
    const std::string other = Repeat("0xAA,", 7) + "0xA8,0x2A," + Repeat("0xAA,", 7);
    for (int line = 2; line <= 65; ++line) {
        if (line == 33 || line == 34)
            EXPECT_EQ(lines[line - 1], Repeat("0x00,", 16)) << "line " << line;
        else
            EXPECT_EQ(lines[line - 1], other) << "line " << line;
    }
}

TEST(CursorHeader, RowLineReadsAcrossColumns)
{
    CursorTable table = Filled(0);
    table[CursorIndex(0, 5)] = 3;
    table[CursorIndex(63, 5)] = 1;
    EXPECT_EQ(CursorHeaderLine(table, 5), "0xC0," + Repeat("0x00,", 14) + "0x01,");
    EXPECT_EQ(CursorHeaderLine(table, 6), Repeat("0x00,", 16));
}

TEST(CursorBinary, TableOrderLittleEndian)
{
    CursorTable table = Filled(0);
    table[CursorIndex(0, 0)] = 0x04030201;
    table[CursorIndex(0, 1)] = -2;
    table[CursorIndex(1, 0)] = 6;
    table[CursorIndex(63, 63)] = 3;
    const std::string bytes = CursorBinary(table);
    ASSERT_EQ(bytes.size(), 16384u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x01\x02\x03\x04\xFE\xFF\xFF\xFF", 8));
    EXPECT_EQ(bytes.substr(256, 4), std::string("\x06\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(16380, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(8, 248), std::string(248, '\0'));
}

TEST(CursorBinary, SaveThenLoadGivesTheSamePicture)
{
    CursorTable table = Filled(kCursorTransparent);
    Stamp(table, CursorShape::Diagonals, 3);
    table[CursorIndex(10, 20)] = 6;
    table[CursorIndex(11, 20)] = -123456;
    table[CursorIndex(12, 20)] = 0x7FFFFFFF;
    EXPECT_EQ(LoadCursorBinary(Filled(0), CursorBinary(table)), table);
}

TEST(CursorBinary, ShortFileReplacesOnlyItsBytes)
{
    const CursorTable before = Filled(0x11223344);
    EXPECT_EQ(LoadCursorBinary(before, ""), before);

    const CursorTable after = LoadCursorBinary(before, std::string("\x01\x00\x00\x00\xAA\xBB", 6));
    EXPECT_EQ(after[0], 1);
    EXPECT_EQ(after[1], 0x1122BBAA);
    EXPECT_EQ(after[2], 0x11223344);
    EXPECT_EQ(after[4095], 0x11223344);
}

TEST(CursorBinary, LongFileUsesItsFirst16384Bytes)
{
    std::string bytes(20000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i < 16384 ? 0x02 : 0x7F);
    const CursorTable after = LoadCursorBinary(Filled(0), bytes);
    EXPECT_EQ(after, Filled(0x02020202));
}
