#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tools/glyph_layout.h"
#include "tools/glyph_set.h"
#include "tools/glyph_table_text.h"

using namespace zolvik;

namespace {

using Bytes = std::vector<std::uint8_t>;

RgbRaster WithInk(int width, int height, std::initializer_list<std::pair<int, int>> ink)
{
    RgbRaster raster(width, height);
    for (const auto &[x, y] : ink)
        raster.Set(x, y, kRasterBlack);
    return raster;
}

// 3 x 10: ink at (0,0) (1,1) (2,7) (0,8) (2,9).
const RgbRaster kTall = WithInk(3, 10, {{0, 0}, {1, 1}, {2, 7}, {0, 8}, {2, 9}});

}  // namespace

TEST(GlyphLayout, BothLayoutsByHand)
{
    const struct {
        RgbRaster raster;
        PixelBox box;
        GlyphLayout layout;
        Bytes bytes;
    } cases[] = {
        {kTall, {0, 0, 3, 10}, GlyphLayout::Rows, {0x80, 0x40, 0, 0, 0, 0, 0, 0x20, 0x80, 0x20}},
        // Page 0: columns of rows 0-7, top in bit 0; page 1: rows 8-9 in bits 0-1.
        {kTall, {0, 0, 3, 10}, GlyphLayout::Pages, {0x01, 0x02, 0x80, 0x01, 0x00, 0x02}},
        {kTall, {1, 1, 2, 1}, GlyphLayout::Rows, {0x80}},
        {kTall, {1, 1, 2, 1}, GlyphLayout::Pages, {0x01, 0x00}},
        {kTall, {0, 7, 3, 3}, GlyphLayout::Pages, {0x02, 0x00, 0x05}},
        // Nine pixels wide: the ninth goes to bit 7 of a second byte.
        {WithInk(9, 1, {{0, 0}, {8, 0}}), {0, 0, 9, 1}, GlyphLayout::Rows, {0x80, 0x80}},
        {WithInk(9, 1, {{0, 0}, {8, 0}}),
         {0, 0, 9, 1},
         GlyphLayout::Pages,
         {1, 0, 0, 0, 0, 0, 0, 0, 1}},
        {kTall, {0, 0, 0, 0}, GlyphLayout::Rows, {}},
        {kTall, {0, 0, 0, 0}, GlyphLayout::Pages, {}},
    };
    for (const auto &c : cases) {
        Bytes bytes{0xEE};  // packing appends
        AppendPacked(c.raster, c.box, c.layout, bytes);
        Bytes expected{0xEE};
        expected.insert(expected.end(), c.bytes.begin(), c.bytes.end());
        EXPECT_EQ(bytes, expected)
            << GlyphLayoutName(c.layout) << " " << c.box.width << "x" << c.box.height;
        EXPECT_EQ(PackedSize(c.box.width, c.box.height, c.layout),
                  static_cast<int>(c.bytes.size()));
        // Unpacked, the bytes give the box's pixels back; padding bits set to 1 change nothing.
        Bytes padded = c.bytes;
        if (c.layout == GlyphLayout::Rows && c.box.width % 8 != 0)
            for (std::size_t at = 0; at < padded.size(); at += (c.box.width + 7) / 8)
                padded[at + std::size_t(c.box.width / 8)] |=
                    std::uint8_t(0xFF >> (c.box.width % 8));
        const RgbRaster unpacked = UnpackBox(padded, c.box.width, c.box.height, c.layout);
        ASSERT_EQ(unpacked.width, c.box.width);
        ASSERT_EQ(unpacked.height, c.box.height);
        for (int y = 0; y < c.box.height; ++y)
            for (int x = 0; x < c.box.width; ++x)
                EXPECT_EQ(unpacked.At(x, y), c.raster.At(c.box.left + x, c.box.top + y))
                    << GlyphLayoutName(c.layout) << " " << x << "," << y;
    }
    EXPECT_THROW(UnpackBox(Bytes{0x80}, 9, 1, GlyphLayout::Rows), std::invalid_argument);
    EXPECT_THROW(UnpackBox(Bytes(8), 9, 1, GlyphLayout::Pages), std::invalid_argument);
    Bytes out;
    EXPECT_THROW(AppendPacked(kTall, {1, 0, 3, 1}, GlyphLayout::Rows, out), std::invalid_argument);
    EXPECT_THROW(AppendPacked(kTall, {0, 5, 1, 6}, GlyphLayout::Pages, out), std::invalid_argument);
}

TEST(GlyphLayout, NamesAndInkBox)
{
    EXPECT_EQ(GlyphLayoutNamed("rows"), GlyphLayout::Rows);
    EXPECT_EQ(GlyphLayoutNamed("pages"), GlyphLayout::Pages);
    EXPECT_FALSE(GlyphLayoutNamed("columns"));
    EXPECT_EQ(FindInkBox(kTall), (PixelBox{0, 0, 3, 10}));
    EXPECT_EQ(FindInkBox(WithInk(8, 6, {{5, 2}, {3, 4}})), (PixelBox{3, 2, 3, 3}));
    EXPECT_FALSE(FindInkBox(RgbRaster(4, 4)));
}

TEST(GlyphSet, FixedCellsKeepTheRowsOfTheCellAndEmptyTheMissing)
{
    std::vector<GlyphImage> images{{WithInk(9, 4, {{0, 1}, {8, 2}}), 0, 9, true},
                                   {WithInk(9, 4, {{1, 1}}), 0, 9, false},
                                   {WithInk(9, 4, {{2, 2}}), 0, 9, true}};
    const InkRows rows{1, 2};
    // The rows layout is the string form's packing, glyph by glyph.
    Bytes packed;
    for (const GlyphImage &image : images)
        for (const std::uint8_t byte : PackGlyph(image.raster, rows))
            packed.push_back(byte);
    EXPECT_EQ(FixedGlyphBitmaps(images, rows, GlyphLayout::Rows, true), packed);
    EXPECT_EQ(FixedGlyphBitmaps(images, rows, GlyphLayout::Rows, false),
              (Bytes{0x80, 0x00, 0x00, 0x80, 0, 0, 0, 0, 0x00, 0x00, 0x20, 0x00}));
    EXPECT_EQ(
        FixedGlyphBitmaps(images, rows, GlyphLayout::Pages, false),
        (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0}));
    images[1].raster = RgbRaster(8, 4);
    EXPECT_THROW(FixedGlyphBitmaps(images, rows, GlyphLayout::Rows, true), std::invalid_argument);
}

namespace {

// Codes 65 to 67 on a 5-row line, baseline 4, pen at column 1 of each raster:
// 'A' inks (2,1) (3,1) (2,2), advance 5; 'B' is blank, advance 3; 'C' is missing and the
// renderer drew a 2 x 2 box at the top left, advance 4.
std::vector<GlyphImage> SmallFont()
{
    return {{WithInk(6, 5, {{2, 1}, {3, 1}, {2, 2}}), 1, 5, true},
            {RgbRaster(6, 5), 1, 3, true},
            {WithInk(6, 5, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}), 1, 4, false}};
}

}  // namespace

TEST(GlyphSet, ProportionalGlyphsKeepTheirInkBoxAndAdvance)
{
    const ProportionalGlyphs dropped =
        PackProportionalGlyphs(SmallFont(), GlyphLayout::Rows, false);
    EXPECT_EQ(dropped.bitmaps, (Bytes{0xC0, 0x80}));
    EXPECT_EQ(dropped.glyphs, (std::vector<ProportionalGlyph>{
                                  {0, 2, 2, 1, 1, 5}, {2, 0, 0, 0, 0, 3}, {2, 0, 0, 0, 0, 0}}));

    const ProportionalGlyphs kept = PackProportionalGlyphs(SmallFont(), GlyphLayout::Pages, true);
    EXPECT_EQ(kept.bitmaps, (Bytes{0x03, 0x01, 0x03, 0x03}));
    EXPECT_EQ(kept.glyphs, (std::vector<ProportionalGlyph>{
                               {0, 2, 2, 1, 1, 5}, {2, 0, 0, 0, 0, 3}, {2, 2, 2, -1, 0, 4}}));
    EXPECT_EQ(GlyphBytes(kept, 2).size(), 2u);
    EXPECT_EQ(GlyphBytes(kept, 1).size(), 0u);
}

TEST(GlyphTableText, ProportionalHeaderOfASmallFont)
{
    const ProportionalFontHeader header{
        "Test",
        8,
        3,
        5,
        4,
        65,
        67,
        GlyphLayout::Rows,
        PackProportionalGlyphs(SmallFont(), GlyphLayout::Rows, false)};
    EXPECT_EQ(ProportionalFontHeaderText(header), "//Test 8\r\n"
                                                  "//proportional\r\n"
                                                  "//line height = 5\r\n"
                                                  "//baseline = 4\r\n"
                                                  "//first char = 65\r\n"
                                                  "//last char = 67\r\n"
                                                  "//layout = rows\r\n"
                                                  "const char fontmap3[2] = {\r\n"
                                                  "\"\\xC0\\x80\" //65 A\r\n"
                                                  "\"\" //66 B\r\n"
                                                  "\"\" //67 C\r\n"
                                                  "};\r\n"
                                                  " \r\n"
                                                  "const tGLYPH glyphs3[3] = {\r\n"
                                                  "    {0, 2, 2, 1, 1, 5}, //65 A\r\n"
                                                  "    {2, 0, 0, 0, 0, 3}, //66 B\r\n"
                                                  "    {2, 0, 0, 0, 0, 0} //67 C\r\n"
                                                  "};\r\n"
                                                  " \r\n"
                                                  "tFONTPROP fontprop3 = {\r\n"
                                                  "    .height = 5,\r\n"
                                                  "    .baseline = 4,\r\n"
                                                  "    .first = 65,\r\n"
                                                  "    .last = 67,\r\n"
                                                  "    .pglyphs = glyphs3,\r\n"
                                                  "    .pfont = fontmap3\r\n"
                                                  "};\r\n"
                                                  " \r\n");

    ProportionalFontHeader bad = header;
    bad.last = 68;
    EXPECT_THROW(ProportionalFontHeaderText(bad), std::invalid_argument);
    bad = header;
    bad.glyphs.glyphs[1].offset = 3;
    EXPECT_THROW(ProportionalFontHeaderText(bad), std::invalid_argument);
}
