#include <gtest/gtest.h>

#include <algorithm>

#include "tools/cursor_import.h"

using namespace zolvik;

namespace {

constexpr std::uint32_t Rgba(int r, int g, int b, int a = 255)
{
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(b) << 16 |
           static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(r);
}

}  // namespace

TEST(CursorImport, EachPixelTakesTheNearestCode)
{
    const struct {
        std::uint32_t rgba;
        std::int32_t code;
    } cases[] = {
        {Rgba(0, 0, 0), kCursorPalette0},
        {Rgba(255, 255, 255), kCursorPalette1},
        {Rgba(0, 0, 0, 0), kCursorTransparent},
        {Rgba(255, 255, 255, 0), kCursorTransparent},
        {Rgba(200, 30, 90, 0), kCursorTransparent},
        {Rgba(127, 127, 127), kCursorPalette0},    // luminance just below half
        {Rgba(128, 128, 128), kCursorPalette1},    // and just above
        {Rgba(0, 204, 68), kCursorPalette1},       // exactly half: a tie goes to palette 1
        {Rgba(255, 0, 0), kCursorPalette0},        // red is dark (76)
        {Rgba(0, 0, 255), kCursorPalette0},        // so is blue (29)
        {Rgba(255, 255, 0), kCursorPalette1},      // yellow is light (226)
        {Rgba(0, 255, 0), kCursorPalette1},        // green too (150)
        {Rgba(0, 0, 0, 128), kCursorPalette0},     // 127 from black, 128 from transparent
        {Rgba(0, 0, 0, 100), kCursorTransparent},  // 155 from black, 100 from transparent
        {Rgba(255, 255, 255, 127), kCursorTransparent},
        {Rgba(255, 255, 255, 200), kCursorPalette1},
        {Rgba(128, 128, 128, 90), kCursorTransparent},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CursorCodeOfPixel(c.rgba), c.code) << std::hex << c.rgba;
}

TEST(CursorImport, PicturePixelsLandInTheirColumns)
{
    RgbaRaster picture{kCursorSide, kCursorSide,
                       std::vector<std::uint32_t>(kCursorPixelCount, Rgba(255, 255, 255, 0))};
    picture.pixels[1 * kCursorSide + 3] = Rgba(255, 255, 255);  // (3, 1)
    picture.pixels[63 * kCursorSide + 0] = Rgba(10, 10, 10);    // (0, 63)
    const CursorImport imported = ImportCursorPicture(picture);
    ASSERT_TRUE(imported.table) << imported.error;
    EXPECT_EQ((*imported.table)[CursorIndex(3, 1)], kCursorPalette1);
    EXPECT_EQ((*imported.table)[CursorIndex(0, 63)], kCursorPalette0);
    EXPECT_EQ(std::count(imported.table->begin(), imported.table->end(), kCursorTransparent),
              kCursorPixelCount - 2);
}

TEST(CursorImport, OtherSizesAreRefused)
{
    for (const auto &[width, height] : {std::pair{63, 64}, {64, 65}, {32, 32}, {0, 0}}) {
        const RgbaRaster picture{
            width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height))};
        const CursorImport imported = ImportCursorPicture(picture);
        EXPECT_FALSE(imported.table);
        EXPECT_EQ(imported.error, "The cursor picture must be 64x64 pixels, not " +
                                      std::to_string(width) + "x" + std::to_string(height));
    }
}
