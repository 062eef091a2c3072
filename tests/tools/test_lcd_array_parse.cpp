#include <gtest/gtest.h>

#include "tools/lcd_array_parse.h"
#include "tools/lcd_cgram_set.h"

using namespace zolvik;

namespace {

const LcdRowBytes kSamples[] = {
    {0, 0, 0, 0, 0, 0, 0, 0},
    {31, 31, 31, 31, 31, 31, 31, 31},
    {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E, 0x00},
    {1, 2, 4, 8, 16, 9, 30, 17},
};

}  // namespace

TEST(LcdArrayParse, ReadsBackWhatThePageWritesInEveryBase)
{
    for (const LcdRowBytes &rows : kSamples)
        for (const int base : {kLcdBaseBinary, kLcdBaseHexadecimal, kLcdBaseDecimal}) {
            for (const char *name : {"", "bell", "my_char2"}) {
                const std::string text = LcdArrayText(name, rows, base);
                const LcdArrayReading reading = ReadLcdArrayText(text);
                ASSERT_TRUE(reading.rows) << text << ": " << reading.error;
                EXPECT_EQ(*reading.rows, rows) << text;
                EXPECT_EQ(reading.name, LcdArrayName(name)) << text;
            }
            const std::string bare = LcdRowListText(rows, base);
            const LcdArrayReading reading = ReadLcdArrayText(bare);
            ASSERT_TRUE(reading.rows) << bare << ": " << reading.error;
            EXPECT_EQ(*reading.rows, rows) << bare;
            EXPECT_EQ(reading.name, "");
            EXPECT_EQ(LcdCharRowBytes(LcdCharFromRowBytes(rows)), rows);
        }
}

TEST(LcdArrayParse, LayoutsOtherThanThePagesOwn)
{
    const LcdRowBytes rows{1, 2, 3, 4, 5, 6, 7, 8};
    const struct {
        const char *text;
        const char *name;
    } cases[] = {
        {"  1,2,3,4,5,6,7,8  ", ""},
        {"{1, 2, 3, 4, 5, 6, 7, 8};", ""},
        {"1, 2, 3, 4, 5, 6, 7, 8,", ""},
        {"0b1, 0B10, 0x3, 0X04, 5, 0b00110, 0x07, 8", ""},
        {"uint8_t glyph[8]={1,2,3,4,5,6,7,8}", "glyph"},
        {"const uint8_t g [ 8 ] =\n{\n  1, 2, 3, 4,\r\n  5, 6, 7, 8\n};\n", "g"},
        {"u8 x[8] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, } ;", "x"},
    };
    for (const auto &c : cases) {
        const LcdArrayReading reading = ReadLcdArrayText(c.text);
        ASSERT_TRUE(reading.rows) << c.text << ": " << reading.error;
        EXPECT_EQ(*reading.rows, rows) << c.text;
        EXPECT_EQ(reading.name, c.name) << c.text;
    }
}

TEST(LcdArrayParse, MalformedTextsSayWhatIsWrong)
{
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"", "The text is empty"},
        {" \r\n\t", "The text is empty"},
        {"1, 2, 3, 4, 5, 6, 7", "Expected 8 values, found 7"},
        {"1, 2, 3, 4, 5, 6, 7, 8, 9", "Expected 8 values, found 9"},
        {"1, 2, , 4, 5, 6, 7, 8", "Value 3 is empty"},
        {"1, 2, 3, 4, 5, 6, 7, 8,,", "Expected 8 values, found 10"},
        {"1, 2, 3, 0b102, 5, 6, 7, 8",
         "Value 4 is not a binary, hexadecimal or decimal number: \"0b102\""},
        {"1, 2, 3, 4, 0xG, 6, 7, 8",
         "Value 5 is not a binary, hexadecimal or decimal number: \"0xG\""},
        {"1, 2, 3, 4, 5, -6, 7, 8",
         "Value 6 is not a binary, hexadecimal or decimal number: \"-6\""},
        {"1, 2, 3, 4, 5, 6, 0x, 8",
         "Value 7 is not a binary, hexadecimal or decimal number: \"0x\""},
        {"1, 2, 3, 4, 5, 6, 7, 32", "Value 8 is over 31, wider than 5 pixels: \"32\""},
        {"0b100000, 2, 3, 4, 5, 6, 7, 8", "Value 1 is over 31, wider than 5 pixels: \"0b100000\""},
        {"1, 2, 3, 4, 5, 6, 7, 99999999999",
         "Value 8 is over 31, wider than 5 pixels: \"99999999999\""},
        {"u8 a[8] = {1, 2, 3, 4, 5, 6, 7, 8", "Missing \"}\" after the values"},
        {"1, 2, 3, 4, 5, 6, 7, 8};", "Missing \"{\" before the values"},
        {"u8 a[8] = {1, 2, 3, 4, 5, 6, 7, 8}; x", "Unexpected text after \"}\": \"; x\""},
        {"u8 a[7] = {1, 2, 3, 4, 5, 6, 7, 8};", "The array must have 8 rows, not \"7\""},
        {"u8 a[] = {1, 2, 3, 4, 5, 6, 7, 8};", "The array must have 8 rows, not \"\""},
        {"u8 a[8] {1, 2, 3, 4, 5, 6, 7, 8};", "Expected \"u8 name[8] = {\" before the values"},
        {"a[8] = {1, 2, 3, 4, 5, 6, 7, 8};", "Expected \"u8 name[8] = {\" before the values"},
        {"u8 a = {1, 2, 3, 4, 5, 6, 7, 8};", "Expected \"u8 name[8] = {\" before the values"},
    };
    for (const auto &c : cases) {
        const LcdArrayReading reading = ReadLcdArrayText(c.text);
        EXPECT_FALSE(reading.rows) << c.text;
        EXPECT_EQ(reading.error, c.error) << c.text;
    }
}

TEST(LcdCgramSet, EightCharactersInOneArray)
{
    LcdCgramSet set{};
    for (int k = 0; k < kCgramCharacters; ++k)
        set[k].fill(static_cast<std::uint8_t>(k + 24));
    set[7][7] = 0;
    EXPECT_EQ(LcdCgramSetText("cgram", set, kLcdBaseHexadecimal),
              "uint8_t cgram[8][8] = {\n"
              "    {0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18},\n"
              "    {0x19, 0x19, 0x19, 0x19, 0x19, 0x19, 0x19, 0x19},\n"
              "    {0x1A, 0x1A, 0x1A, 0x1A, 0x1A, 0x1A, 0x1A, 0x1A},\n"
              "    {0x1B, 0x1B, 0x1B, 0x1B, 0x1B, 0x1B, 0x1B, 0x1B},\n"
              "    {0x1C, 0x1C, 0x1C, 0x1C, 0x1C, 0x1C, 0x1C, 0x1C},\n"
              "    {0x1D, 0x1D, 0x1D, 0x1D, 0x1D, 0x1D, 0x1D, 0x1D},\n"
              "    {0x1E, 0x1E, 0x1E, 0x1E, 0x1E, 0x1E, 0x1E, 0x1E},\n"
              "    {0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x00}\n"
              "};\n");
    const std::string binary = LcdCgramSetText("", set, kLcdBaseBinary);
    EXPECT_EQ(binary.substr(0, 48), "uint8_t newArrray[8][8] = {\n    {0b11000, 0b1100");
}
