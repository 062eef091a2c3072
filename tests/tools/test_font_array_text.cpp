// The font headers: the string form with a range and a layout, and the C99 form compiled by
// gcc with every warning an error, its bytes read back by the compiled program.
#include <gtest/gtest.h>

#include <stdexcept>

#include "c_compiler.h"
#include "tools/font_array_text.h"
#include "tools/glyph_set.h"

using namespace zolvik;
using test::Hex;
using test::kDumpFunction;

namespace {

std::vector<std::uint8_t> Sequence(std::size_t count)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<std::uint8_t>(37 * i + 11));
    return bytes;
}

}  // namespace

TEST(FontHeader, RangeAndLayoutReachTheStringForm)
{
    // Codes 48 to 50, 10 x 9 cells in pages: two pages of 10 columns.
    FontHeader header{"Mono", 9, 2, 10, 9, Sequence(60), 48, 50, GlyphLayout::Pages};
    EXPECT_EQ(header.BytesPerChar(), 20);
    const std::string text = FontHeaderText(header);
    EXPECT_EQ(text.substr(0, text.find("const")),
              "//Mono 9\r\n//bytes/char = 20\r\n//width = 10\r\n//height = 9\r\n"
              "//first char = 48\r\n//last char = 50\r\n//layout = pages\r\n");
    EXPECT_NE(text.find("const char fontmap2[60] = {\r\n\"\\x0B\\x30"), std::string::npos);
    EXPECT_NE(text.find("\" //50 2\r\n};"), std::string::npos);
    EXPECT_NE(text.find("    .first = 48,\r\n    .last = 50,\r\n"), std::string::npos);
    for (const auto &[first, last] : {std::pair{-1, 10}, {10, 256}, {11, 10}}) {
        header.first = first;
        header.last = last;
        EXPECT_THROW(FontHeaderText(header), std::invalid_argument) << first << " " << last;
    }
}

TEST(FontArrayText, FixedCellsCompileAsC99)
{
    if (!test::HaveGcc())
        GTEST_SKIP() << "gcc is not on the PATH";
    for (const GlyphLayout layout : {GlyphLayout::Rows, GlyphLayout::Pages}) {
        // Codes 40 to 47 (among them '*' and '/', which must not end the comments).
        FontHeader header{"Mono", 9, 2, 10, 9, {}, 40, 47, layout};
        header.glyphs = Sequence(8 * static_cast<std::size_t>(header.BytesPerChar()));
        const std::string program =
            std::string(kDumpFunction) +
            "#include \"small.h\"\n"
            "int main(void)\n"
            "{\n"
            "    printf(\"%d %d %d %d %d %d\\n\", small.width, small.height,\n"
            "           small.bytes_per_glyph, small.first, small.last, small.layout);\n"
            "    dump(small.bitmaps, sizeof small_bitmaps);\n"
            "    return 0;\n"
            "}\n";
        const test::CRun run =
            test::CompileAndRun({{"small.h", FontArrayText("small", header)}}, program);
        ASSERT_TRUE(run.compiled) << run.diagnostics;
        EXPECT_EQ(run.output, "10 9 " + std::to_string(header.BytesPerChar()) + " 40 47 " +
                                  (layout == GlyphLayout::Pages ? "1" : "0") + "\n" +
                                  Hex(header.glyphs) + "\n");
    }
}

TEST(FontArrayText, ProportionalGlyphsCompileAsC99)
{
    if (!test::HaveGcc())
        GTEST_SKIP() << "gcc is not on the PATH";
    RgbRaster a(6, 5), blank(6, 5);
    a.Set(2, 1, kRasterBlack);
    a.Set(3, 3, kRasterBlack);
    const std::vector<GlyphImage> images{{a, 3, 5, true}, {blank, 0, 2, true}};
    const ProportionalFontHeader header{"Sans",
                                        8,
                                        1,
                                        5,
                                        4,
                                        42,
                                        43,
                                        GlyphLayout::Rows,
                                        PackProportionalGlyphs(images, GlyphLayout::Rows, false)};
    const std::string program =
        std::string(kDumpFunction) +
        "#include \"sans.h\"\n"
        "int main(void)\n"
        "{\n"
        "    int i;\n"
        "    printf(\"%d %d %d %d %d\\n\", sans.line_height, sans.baseline, sans.first,\n"
        "           sans.last, sans.layout);\n"
        "    for (i = 0; i <= sans.last - sans.first; ++i)\n"
        "        printf(\"%u %d %d %d %d %d\\n\", (unsigned)sans.glyphs[i].offset,\n"
        "               sans.glyphs[i].width, sans.glyphs[i].height, sans.glyphs[i].x_offset,\n"
        "               sans.glyphs[i].y_offset, sans.glyphs[i].advance);\n"
        "    dump(sans.bitmaps, sizeof sans_bitmaps);\n"
        "    return 0;\n"
        "}\n";
    const test::CRun run =
        test::CompileAndRun({{"sans.h", FontArrayText("sans", header)}}, program);
    ASSERT_TRUE(run.compiled) << run.diagnostics;
    // Ink box (2,1)-(3,3) with the pen at 3: x offset -1; rows 0x80, 0x00, 0x40.
    EXPECT_EQ(run.output, "5 4 42 43 0\n0 2 3 -1 1 5\n3 0 0 0 0 2\n800040\n");
    EXPECT_THROW(FontArrayText("2fonts", header), std::invalid_argument);
}
