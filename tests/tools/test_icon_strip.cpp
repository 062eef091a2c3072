#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tools/icon_strip.h"

using namespace zolvik;

namespace {

// A sheet whose tile (column, row) is filled with the colour 0x00BBGGRR = tile number + 1 in
// red, 0x20 in green and 0x40 in blue, with one marked pixel at tile position (5, 3).
RgbRaster TiledSheet(int columns, int rows)
{
    RgbRaster sheet(columns * kIconSide, rows * kIconSide);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            for (int y = 0; y < kIconSide; ++y)
                for (int x = 0; x < kIconSide; ++x) {
                    const std::uint32_t tile =
                        static_cast<std::uint32_t>(row * columns + column + 1);
                    const bool marked = x == 5 && y == 3;
                    sheet.Set(column * kIconSide + x, row * kIconSide + y,
                              marked ? 0x00ABCDEFu : (0x400000u | 0x2000u | tile));
                }
    return sheet;
}

// The tile number (red byte) of every record's first pixel.
std::vector<int> RecordOrder(const std::vector<std::uint8_t> &bytes)
{
    std::vector<int> order;
    for (std::size_t at = 0; at < bytes.size(); at += kIconRecordSize)
        order.push_back(bytes[at]);
    return order;
}

}  // namespace

TEST(IconSheet, SidesMustBothBeMultiplesOf48)
{
    EXPECT_TRUE(IsIconSheet(48, 48));
    EXPECT_TRUE(IsIconSheet(96, 144));
    EXPECT_FALSE(IsIconSheet(100, 48));
    EXPECT_FALSE(IsIconSheet(48, 50));
    EXPECT_FALSE(IsIconSheet(47, 47));
    EXPECT_EQ(IconCount(48, 48), 1);
    EXPECT_EQ(IconCount(96, 96), 4);
    EXPECT_EQ(IconCount(480, 96), 20);
    EXPECT_THROW(IconRecords(RgbRaster(100, 48)), std::invalid_argument);
    EXPECT_THROW(IconRecords(RgbRaster(48, 50)), std::invalid_argument);
}

TEST(IconSheet, TilesGoLeftToRightThenTopToBottom)
{
    EXPECT_EQ(RecordOrder(IconRecords(TiledSheet(1, 1))), (std::vector<int>{1}));
    EXPECT_EQ(RecordOrder(IconRecords(TiledSheet(2, 1))), (std::vector<int>{1, 2}));
    EXPECT_EQ(RecordOrder(IconRecords(TiledSheet(1, 2))), (std::vector<int>{1, 2}));
    EXPECT_EQ(RecordOrder(IconRecords(TiledSheet(2, 2))), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(IconRecords(TiledSheet(2, 2)).size(), 4u * 6912u);
    EXPECT_EQ(IconRecords(TiledSheet(2, 1)).size(), 13824u);
}

TEST(IconSheet, RecordHoldsRowsFromTheTopAndPixelsAsRedGreenBlue)
{
    const std::vector<std::uint8_t> bytes = IconRecords(TiledSheet(2, 2));
    for (int icon = 0; icon < 4; ++icon) {
        const std::size_t record = static_cast<std::size_t>(icon) * kIconRecordSize;
        const std::size_t marked = record + (3 * kIconSide + 5) * 3;
        EXPECT_EQ(bytes[marked], 0xEF) << icon;
        EXPECT_EQ(bytes[marked + 1], 0xCD) << icon;
        EXPECT_EQ(bytes[marked + 2], 0xAB) << icon;
        const std::size_t last = record + kIconRecordSize - 3;
        EXPECT_EQ(bytes[last], icon + 1);
        EXPECT_EQ(bytes[last + 1], 0x20);
        EXPECT_EQ(bytes[last + 2], 0x40);
    }
}

TEST(IconSheet, PureRedAndPureBlue)
{
    RgbRaster sheet(48, 48, 0x0000FF);
    sheet.Set(1, 0, 0xFF0000);
    const std::vector<std::uint8_t> bytes = IconRecords(sheet);
    ASSERT_EQ(bytes.size(), 6912u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 9),
              (std::vector<std::uint8_t>{0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00}));
}

TEST(IconSheet, EmptySheetHasNoRecords)
{
    EXPECT_TRUE(IconRecords(RgbRaster(0, 0)).empty());
    EXPECT_TRUE(IconRecords(RgbRaster(48, 0)).empty());
}

TEST(BmbOutputPath, ExtensionReplacedOrAppendedInTheSameFolder)
{
    EXPECT_EQ(BmbPath("/home/u/art/icones.bmp"), "/home/u/art/icones.bmb");
    EXPECT_EQ(BmbPath("icones.bmp"), "icones.bmb");
    EXPECT_EQ(BmbPath("/home/u/art/icones"), "/home/u/art/icones.bmb");
    EXPECT_EQ(BmbPath("/home/u/art.v2/icones"), "/home/u/art.v2/icones.bmb");
    EXPECT_EQ(BmbPath("/home/u/sheet.old.BMP"), "/home/u/sheet.old.bmb");
    EXPECT_EQ(BmbPath("/home/u/icones.bmb"), "/home/u/icones.bmb");
}
