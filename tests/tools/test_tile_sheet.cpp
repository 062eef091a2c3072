#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tools/icon_strip.h"
#include "tools/tile_sheet.h"

using namespace zolvik;

TEST(TileSheet, SizesThatCutEvenly)
{
    const struct {
        int width, height;
        TileSize tile;
        bool sheet;
        int count;
    } cases[] = {
        {48, 48, {48, 48}, true, 1},  {96, 144, {48, 48}, true, 6}, {16, 8, {8, 8}, true, 2},
        {30, 20, {10, 5}, true, 12},  {0, 0, {4, 4}, true, 0},      {49, 48, {48, 48}, false, 0},
        {48, 47, {48, 48}, false, 0}, {10, 10, {0, 5}, false, 0},   {10, 10, {5, -5}, false, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IsTileSheet(c.width, c.height, c.tile), c.sheet) << c.width << "x" << c.height;
        if (c.sheet)
            EXPECT_EQ(TileCount(c.width, c.height, c.tile), c.count) << c.width << "x" << c.height;
    }
}

TEST(TileSheet, TilesGoAlongARowThenDown)
{
    // 4 x 2 sheet of 2 x 1 tiles; pixel (x, y) has red 10y + x.
    RgbaRaster sheet{4, 2, {}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            sheet.pixels.push_back(kOpaque | static_cast<std::uint32_t>(10 * y + x));
    const std::vector<std::uint8_t> wide = TileRecords(sheet, {2, 1}, PixelFormat::Rgb888);
    std::vector<std::uint8_t> reds;
    for (std::size_t i = 0; i < wide.size(); i += 3)
        reds.push_back(wide[i]);
    EXPECT_EQ(reds, (std::vector<std::uint8_t>{0, 1, 2, 3, 10, 11, 12, 13}));
    EXPECT_THROW(TileRecords(sheet, {3, 1}, PixelFormat::Rgb888), std::invalid_argument);
}

TEST(TileSheet, IconRecordsAreRgb888TilesOf48)
{
    RgbRaster sheet(96, 48);
    sheet.Set(50, 3, 0x563412);
    RgbaRaster opaque = OpaqueRaster(sheet);
    EXPECT_EQ(IconRecords(sheet), TileRecords(opaque, {48, 48}, PixelFormat::Rgb888));
}
