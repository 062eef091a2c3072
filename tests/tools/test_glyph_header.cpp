#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/glyph_header.h"

using namespace zolvik;

namespace {

std::vector<std::string> SplitCrLf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::size_t CountOf(const std::string &text, const std::string &what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// 256 rasters 9 x 4: glyph c has ink at (c mod 9, 1) and at (8, 2); rows 0 and 3 blank.
std::vector<RgbRaster> SyntheticGlyphs()
{
    std::vector<RgbRaster> glyphs;
    for (int code = 0; code < kGlyphCount; ++code) {
        RgbRaster raster(9, 4);
        raster.Set(code % 9, 1, kRasterBlack);
        raster.Set(8, 2, kRasterBlack);
        glyphs.push_back(raster);
    }
    return glyphs;
}

FontHeader SyntheticHeader(int fontId, const std::string &family = "Test Face")
{
    const std::vector<RgbRaster> glyphs = SyntheticGlyphs();
    RgbRaster pile(9, 4);
    for (int code = 0; code < kGlyphCount; ++code)
        if (!LeftOutOfInkRows(code))
            for (std::size_t i = 0; i < pile.pixels.size(); ++i)
                if (glyphs[code].pixels[i] == kRasterBlack)
                    pile.pixels[i] = kRasterBlack;
    const InkRows rows = FindInkRows(pile).value();
    FontHeader header{family, 16, fontId, 9, rows.height, {}};
    for (const RgbRaster &glyph : glyphs) {
        const std::vector<std::uint8_t> bytes = PackGlyph(glyph, rows);
        header.glyphs.insert(header.glyphs.end(), bytes.begin(), bytes.end());
    }
    return header;
}

}  // namespace

TEST(GlyphPacking, BytesPerRowRoundsTheWidthUpToWholeBytes)
{
    EXPECT_EQ(BytesPerRow(1), 1);
    EXPECT_EQ(BytesPerRow(8), 1);
    EXPECT_EQ(BytesPerRow(9), 2);
    EXPECT_EQ(BytesPerRow(16), 2);
    EXPECT_EQ(BytesPerRow(17), 3);
    EXPECT_THROW(BytesPerRow(0), std::invalid_argument);
}

TEST(GlyphPacking, WidthEightFillsOneByteWithoutPadding)
{
    RgbRaster raster(8, 3);
    for (int x = 0; x < 8; ++x)
        raster.Set(x, 0, kRasterBlack);
    for (int x = 0; x < 8; x += 2)
        raster.Set(x, 1, kRasterBlack);
    raster.Set(7, 2, kRasterBlack);
    EXPECT_EQ(PackGlyph(raster, {0, 3}), (std::vector<std::uint8_t>{0xFF, 0xAA, 0x01}));
}

TEST(GlyphPacking, WidthNineLeavesSevenPaddingBitsClear)
{
    RgbRaster raster(9, 3);
    raster.Set(0, 0, kRasterBlack);
    raster.Set(8, 0, kRasterBlack);
    for (int x = 1; x <= 7; ++x)
        raster.Set(x, 1, kRasterBlack);
    for (int x = 0; x < 9; ++x)
        raster.Set(x, 2, kRasterBlack);
    EXPECT_EQ(PackGlyph(raster, {0, 3}),
              (std::vector<std::uint8_t>{0x80, 0x80, 0x7F, 0x00, 0xFF, 0x80}));
}

TEST(GlyphPacking, WidthSixteenUsesBothBytesFully)
{
    RgbRaster raster(16, 1);
    for (int x : {0, 7, 8, 15})
        raster.Set(x, 0, kRasterBlack);
    EXPECT_EQ(PackGlyph(raster, {0, 1}), (std::vector<std::uint8_t>{0x81, 0x81}));
    for (int x = 0; x < 16; ++x)
        raster.Set(x, 0, kRasterBlack);
    EXPECT_EQ(PackGlyph(raster, {0, 1}), (std::vector<std::uint8_t>{0xFF, 0xFF}));
}

TEST(GlyphPacking, OnlyExactBlackIsInkAndOnlyTheInkRowsArePacked)
{
    RgbRaster raster(8, 5);
    raster.Set(0, 0, kRasterBlack);  // above the rows: cut off
    raster.Set(1, 2, 0x010101);      // near black is not ink
    raster.Set(2, 2, kRasterRed);
    raster.Set(3, 2, kRasterBlack);
    raster.Set(4, 3, kRasterBlack);
    raster.Set(5, 4, kRasterBlack);  // below the rows: cut off
    EXPECT_EQ(PackGlyph(raster, {2, 2}), (std::vector<std::uint8_t>{0x10, 0x08}));
    EXPECT_TRUE(PackGlyph(raster, {1, 0}).empty());
    EXPECT_THROW(PackGlyph(raster, {4, 2}), std::invalid_argument);
}

TEST(InkRowsOfTheCell, AnyPixelNotExactlyWhiteCountsAndMarkersGoOnTrimmedRows)
{
    RgbRaster raster(4, 7);
    raster.Set(3, 2, kRasterBlack);
    raster.Set(1, 4, 0xFEFEFE);
    const std::optional<InkRows> rows = FindInkRows(raster);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->top, 2);
    EXPECT_EQ(rows->height, 3);

    const RgbRaster marked = MarkTrimmedRows(raster, *rows);
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(marked.At(0, y), (y < 2 || y > 4) ? kRasterRed : kRasterWhite) << y;
        for (int x = 1; x < 4; ++x)
            EXPECT_EQ(marked.At(x, y), raster.At(x, y)) << x << "," << y;
    }
}

TEST(InkRowsOfTheCell, InkOnTheEdgesTrimsNothingAndABlankRasterHasNoRows)
{
    RgbRaster full(3, 2);
    full.Set(0, 0, kRasterBlack);
    full.Set(2, 1, kRasterBlack);
    const std::optional<InkRows> rows = FindInkRows(full);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->top, 0);
    EXPECT_EQ(rows->height, 2);
    EXPECT_EQ(MarkTrimmedRows(full, *rows).pixels, full.pixels);

    EXPECT_FALSE(FindInkRows(RgbRaster(5, 6)).has_value());
    EXPECT_FALSE(FindInkRows(RgbRaster(0, 6)).has_value());
    EXPECT_FALSE(FindInkRows(RgbRaster(5, 0)).has_value());
}

TEST(InkRowsOfTheCell, TheFourTallCodesAreLeftOut)
{
    std::vector<int> leftOut;
    for (int code = 0; code < kGlyphCount; ++code)
        if (LeftOutOfInkRows(code))
            leftOut.push_back(code);
    EXPECT_EQ(leftOut, (std::vector<int>{36, 41, 96, 124}));
}

TEST(GlyphLines, CommentsShowPrintableAsciiButNotTheBackslash)
{
    const std::uint8_t bytes[] = {0x00, 0xAB, 0x0F};
    EXPECT_EQ(GlyphLine(bytes, 3, 65), "\"\\x00\\xAB\\x0F\" //65 A");
    EXPECT_EQ(GlyphLine(bytes, 1, 0), "\"\\x00\" //0");
    EXPECT_EQ(GlyphLine(bytes, 0, 7), "\"\" //7");
    EXPECT_EQ(GlyphLine(bytes, 1, 32), "\"\\x00\" //32");
    EXPECT_EQ(GlyphLine(bytes, 1, 33), "\"\\x00\" //33 !");
    EXPECT_EQ(GlyphLine(bytes, 1, 34), "\"\\x00\" //34 \"");
    EXPECT_EQ(GlyphLine(bytes, 1, 37), "\"\\x00\" //37 %");
    EXPECT_EQ(GlyphLine(bytes, 1, 92), "\"\\x00\" //92");
    EXPECT_EQ(GlyphLine(bytes, 1, 127), "\"\\x00\" //127 \x7F");
    EXPECT_EQ(GlyphLine(bytes, 1, 128), "\"\\x00\" //128");
    EXPECT_EQ(GlyphLine(bytes, 1, 255), "\"\\x00\" //255");
}

TEST(FontHeaderFile, WholeTextAroundSyntheticGlyphs)
{
    const FontHeader header = SyntheticHeader(12);
    ASSERT_EQ(header.height, 2);
    ASSERT_EQ(header.BytesPerChar(), 4);
    const std::string text = FontHeaderText(header);
    const std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 7u + 256u + 11u);

    const std::vector<std::string> head = {"//Test Face 16",
                                           "//bytes/char = 4",
                                           "//width = 9",
                                           "//height = 2",
                                           "//first char = 0",
                                           "//last char = 255",
                                           "const char fontmap12[1024] = {"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7), head);

    // Row 1 holds x = c mod 9, row 2 holds x = 8 in every glyph.
    EXPECT_EQ(lines[7 + 0], "\"\\x80\\x00\\x00\\x80\" //0");
    EXPECT_EQ(lines[7 + 8], "\"\\x00\\x80\\x00\\x80\" //8");
    EXPECT_EQ(lines[7 + 32], "\"\\x04\\x00\\x00\\x80\" //32");
    EXPECT_EQ(lines[7 + 33], "\"\\x02\\x00\\x00\\x80\" //33 !");
    EXPECT_EQ(lines[7 + 34], "\"\\x01\\x00\\x00\\x80\" //34 \"");
    EXPECT_EQ(lines[7 + 37], "\"\\x40\\x00\\x00\\x80\" //37 %");
    EXPECT_EQ(lines[7 + 65], "\"\\x20\\x00\\x00\\x80\" //65 A");
    EXPECT_EQ(lines[7 + 92], "\"\\x20\\x00\\x00\\x80\" //92");
    EXPECT_EQ(lines[7 + 127], "\"\\x40\\x00\\x00\\x80\" //127 \x7F");
    EXPECT_EQ(lines[7 + 128], "\"\\x20\\x00\\x00\\x80\" //128");
    EXPECT_EQ(lines[7 + 255], "\"\\x10\\x00\\x00\\x80\" //255");

    const std::vector<std::string> tail = {"};",
                                           " ",
                                           "tFONTBIN fontbin12 = {",
                                           "    .bpc = 4,",
                                           "    .width = 9,",
                                           "    .height = 2,",
                                           "    .first = 0,",
                                           "    .last = 255,",
                                           "    .pfont = fontmap12",
                                           "};",
                                           " "};
    EXPECT_EQ(std::vector<std::string>(lines.end() - 11, lines.end()), tail);
    EXPECT_EQ(text.substr(text.size() - 3), " \r\n");
}

TEST(FontHeaderFile, ArraySizeEqualsTheEscapesAndEveryGlyphLineHoldsBpcOfThem)
{
    const std::string text = FontHeaderText(SyntheticHeader(0));
    EXPECT_EQ(CountOf(text, "\\x"), 1024u);
    EXPECT_NE(text.find("const char fontmap0[1024] = {\r\n"), std::string::npos);
    const std::vector<std::string> lines = SplitCrLf(text);
    for (int code = 0; code < kGlyphCount; ++code)
        EXPECT_EQ(CountOf(lines[7 + code], "\\x"), 4u) << code;
}

TEST(FontHeaderFile, NegativeIdAndFamilyWrittenOneBytePerCharacter)
{
    const std::string text = FontHeaderText(SyntheticHeader(-1, "Fonte \xC3\x87 %d"));
    const std::vector<std::string> lines = SplitCrLf(text);
    EXPECT_EQ(lines[0], "//Fonte \xC7 %d 16");
    EXPECT_EQ(lines[6], "const char fontmap-1[1024] = {");
    EXPECT_EQ(lines[7 + 256 + 2], "tFONTBIN fontbin-1 = {");
    EXPECT_EQ(lines[7 + 256 + 8], "    .pfont = fontmap-1");
}

TEST(FontHeaderFile, GlyphBufferOfTheWrongSizeIsRefused)
{
    FontHeader header = SyntheticHeader(3);
    header.glyphs.pop_back();
    EXPECT_THROW(FontHeaderText(header), std::invalid_argument);
    header.glyphs.clear();
    header.height = 0;
    EXPECT_EQ(CountOf(FontHeaderText(header), "const char fontmap3[0] = {"), 1u);
}
