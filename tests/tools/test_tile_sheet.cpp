#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

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
        if (c.sheet) {
            EXPECT_EQ(TileCount(c.width, c.height, c.tile), c.count) << c.width << "x" << c.height;
        }
    }
}

TEST(TileSheet, TileSizeTexts)
{
    const struct {
        const char *text;
        std::optional<std::pair<int, int>> size;
    } cases[] = {
        {"48x48", std::pair{48, 48}}, {"16X8", std::pair{16, 8}}, {"1x4096", std::pair{1, 4096}},
        {"0x8", std::nullopt},        {"8x4097", std::nullopt},   {"8", std::nullopt},
        {"x8", std::nullopt},         {"8x", std::nullopt},       {" 8x8", std::nullopt},
        {"8x8x8", std::nullopt},      {"-8x8", std::nullopt},     {"", std::nullopt},
    };
    for (const auto &c : cases) {
        const std::optional<TileSize> size = ParseTileSize(c.text);
        ASSERT_EQ(size.has_value(), c.size.has_value()) << c.text;
        if (size) {
            EXPECT_EQ(std::pair(size->width, size->height), *c.size) << c.text;
        }
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
