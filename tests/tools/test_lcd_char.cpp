#include "tools/lcd_char.h"

#include <gtest/gtest.h>

using namespace zolvik;

namespace {

LcdCharTable WithPixels(std::initializer_list<std::pair<int, int>> lit)
{
    LcdCharTable pixels{};
    for (const auto &[c, r] : lit)
        pixels[LcdIndex(c, r)] = 1;
    return pixels;
}

}  // namespace

TEST(LcdChar, PixelsToggle)
{
    EXPECT_EQ(ToggledLcdPixel(0), 1);
    EXPECT_EQ(ToggledLcdPixel(1), 0);
    EXPECT_EQ(ToggledLcdPixel(7), 0);
    EXPECT_EQ(LcdIndex(0, 7), 7);
    EXPECT_EQ(LcdIndex(4, 0), 32);
}

TEST(LcdChar, RowBytesPutLeftColumnHighest)
{
    EXPECT_EQ(LcdCharRowBytes(WithPixels({})), (LcdRowBytes{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LcdCharRowBytes(WithPixels({{0, 0}})), (LcdRowBytes{16, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LcdCharRowBytes(WithPixels({{4, 7}})), (LcdRowBytes{0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(LcdCharRowBytes(WithPixels({{1, 2}, {3, 2}, {2, 5}})),
              (LcdRowBytes{0, 0, 10, 0, 0, 4, 0, 0}));
    LcdCharTable any{};
    any[LcdIndex(2, 3)] = 9;  // any non-zero value counts as lit
    EXPECT_EQ(LcdCharRowBytes(any)[3], 4);
    LcdCharTable full;
    full.fill(1);
    EXPECT_EQ(LcdCharRowBytes(full), (LcdRowBytes{31, 31, 31, 31, 31, 31, 31, 31}));
}

TEST(LcdChar, EmptyCharacterInEachBase)
{
    const LcdRowBytes empty{};
    EXPECT_EQ(LcdArrayText("", empty, kLcdBaseBinary),
              "u8 newArrray[8] = {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b00000, "
              "0b00000, 0b00000};");
    EXPECT_EQ(LcdArrayText("", empty, kLcdBaseHexadecimal),
              "u8 newArrray[8] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};");
    EXPECT_EQ(LcdArrayText("", empty, kLcdBaseDecimal),
              "u8 newArrray[8] = {0, 0, 0, 0, 0, 0, 0, 0};");
}

TEST(LcdChar, FullCharacterInEachBase)
{
    const LcdRowBytes full{31, 31, 31, 31, 31, 31, 31, 31};
    EXPECT_EQ(LcdArrayText("", full, kLcdBaseBinary),
              "u8 newArrray[8] = {0b11111, 0b11111, 0b11111, 0b11111, 0b11111, 0b11111, "
              "0b11111, 0b11111};");
    EXPECT_EQ(LcdArrayText("", full, kLcdBaseHexadecimal),
              "u8 newArrray[8] = {0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F};");
    EXPECT_EQ(LcdArrayText("", full, kLcdBaseDecimal),
              "u8 newArrray[8] = {31, 31, 31, 31, 31, 31, 31, 31};");
    EXPECT_EQ(LcdArrayText("", full, 7), "u8 newArrray[8] = {31, 31, 31, 31, 31, 31, 31, 31};");
    EXPECT_EQ(LcdArrayText("", full, -1), "u8 newArrray[8] = {31, 31, 31, 31, 31, 31, 31, 31};");
}

TEST(LcdChar, CornerPixelsInEachBase)
{
    const LcdRowBytes topLeft = LcdCharRowBytes(WithPixels({{0, 0}}));
    EXPECT_EQ(LcdArrayText("", topLeft, kLcdBaseBinary),
              "u8 newArrray[8] = {0b10000, 0b00000, 0b00000, 0b00000, 0b00000, 0b00000, "
              "0b00000, 0b00000};");
    EXPECT_EQ(LcdArrayText("", topLeft, kLcdBaseHexadecimal),
              "u8 newArrray[8] = {0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};");
    EXPECT_EQ(LcdArrayText("", topLeft, kLcdBaseDecimal),
              "u8 newArrray[8] = {16, 0, 0, 0, 0, 0, 0, 0};");

    const LcdRowBytes bottomRight = LcdCharRowBytes(WithPixels({{4, 7}}));
    EXPECT_EQ(LcdArrayText("", bottomRight, kLcdBaseBinary),
              "u8 newArrray[8] = {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b00000, "
              "0b00000, 0b00001};");
    EXPECT_EQ(LcdArrayText("", bottomRight, kLcdBaseHexadecimal),
              "u8 newArrray[8] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01};");
    EXPECT_EQ(LcdArrayText("", bottomRight, kLcdBaseDecimal),
              "u8 newArrray[8] = {0, 0, 0, 0, 0, 0, 0, 1};");
}

TEST(LcdChar, NameStandsExactlyAsTyped)
{
    const LcdRowBytes rows{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(LcdArrayText(" my char ", rows, kLcdBaseDecimal),
              "u8  my char [8] = {1, 2, 3, 4, 5, 6, 7, 8};");
    EXPECT_EQ(LcdArrayText("bell", rows, kLcdBaseHexadecimal),
              "u8 bell[8] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};");
}

TEST(LcdChar, PreviewSquaresOnSixPixelPitch)
{
    const LcdSquare first = LcdPreviewSquare(0, 0, 189, 90);
    EXPECT_EQ(first.left, 79);
    EXPECT_EQ(first.top, 21);
    EXPECT_EQ(first.width, 4);
    EXPECT_EQ(first.height, 4);
    const LcdSquare last = LcdPreviewSquare(4, 7, 189, 90);
    EXPECT_EQ(last.left, 103);
    EXPECT_EQ(last.top, 63);
}
