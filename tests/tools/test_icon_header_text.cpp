// The icon sheet header, compiled by gcc as C99 with every warning an error, and its bytes
// read back by the compiled program.
#include <gtest/gtest.h>

#include <stdexcept>

#include "c_compiler.h"
#include "tools/icon_header_text.h"
#include "tools/tile_sheet.h"

using namespace zolvik;
using test::Hex;
using test::kDumpFunction;

TEST(IconHeaderText, CompilesAsC99AndHoldsTheRecordsOfEveryFormat)
{
    if (!test::HaveGcc())
        GTEST_SKIP() << "gcc is not on the PATH";
    // A 6 x 4 sheet of 3 x 2 tiles, every pixel a different colour and alpha.
    RgbaRaster sheet{6, 4, {}};
    for (std::uint32_t i = 0; i < 24; ++i)
        sheet.pixels.push_back(0x01030507u * (i + 1) * 13);
    for (const PixelFormatInfo &info : PixelFormats()) {
        const std::vector<std::uint8_t> records = TileRecords(sheet, {3, 2}, info.format);
        const std::string program =
            std::string(kDumpFunction) +
            "#include \"sheet.h\"\n"
            "int main(void)\n"
            "{\n"
            "    printf(\"%d %d %d\\n\", SHEET_TILE_WIDTH, SHEET_TILE_HEIGHT, SHEET_TILE_COUNT);\n"
            "    dump(sheet_pixels, sizeof sheet_pixels);\n"
            "    return 0;\n"
            "}\n";
        const test::CRun run = test::CompileAndRun(
            {{"sheet.h", IconHeaderText("sheet", {3, 2}, 4, info.format, records)}}, program);
        ASSERT_TRUE(run.compiled) << info.name << "\n" << run.diagnostics;
        EXPECT_EQ(run.output, "3 2 4\n" + Hex(records) + "\n") << info.name;
    }
}

TEST(IconHeaderText, MacrosAreUpperCaseAndBadNamesAreRefused)
{
    const std::vector<std::uint8_t> records{0x34, 0x12, 0x78, 0x56};
    const std::string text = IconHeaderText("icons", {1, 1}, 2, PixelFormat::Rgb565, records);
    EXPECT_NE(text.find("#define ICONS_TILE_COUNT 2\r\n"), std::string::npos);
    EXPECT_NE(
        text.find("static const uint16_t icons_pixels[2] = {\r\n    0x1234, 0x5678,\r\n};\r\n"),
        std::string::npos);
    for (const char *bad : {"", "1icons", "my icons", "ic-ons", "\xC3\xA9"})
        EXPECT_THROW(IconHeaderText(bad, {1, 1}, 2, PixelFormat::Rgb565, records),
                     std::invalid_argument)
            << bad;
    EXPECT_THROW(IconHeaderText("icons", {1, 1}, 0, PixelFormat::Rgb565, {}),
                 std::invalid_argument);
    EXPECT_THROW(IconHeaderText("icons", {1, 1}, 3, PixelFormat::Rgb565, records),
                 std::invalid_argument);
}
