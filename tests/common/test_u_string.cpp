#include "common/u_string.h"

#include <gtest/gtest.h>

namespace zolvik {
namespace {

TEST(FixDecimalSeparator, CommaRegionalSeparator)
{
    EXPECT_EQ(FixDecimalSeparator("12.5", ','), "12,5");
    EXPECT_EQ(FixDecimalSeparator("12,5", ','), "12,5");
    EXPECT_EQ(FixDecimalSeparator("1.2,5", ','), "1,2,5");
    EXPECT_EQ(FixDecimalSeparator("1.2.5", ','), "1,2.5");
}

TEST(FixDecimalSeparator, FullStopRegionalSeparator)
{
    EXPECT_EQ(FixDecimalSeparator("12,5", '.'), "12.5");
    EXPECT_EQ(FixDecimalSeparator("12.5", '.'), "12.5");
    EXPECT_EQ(FixDecimalSeparator("41316,1", '.'), "41316.1");
    // The first full stop wins over an earlier comma.
    EXPECT_EQ(FixDecimalSeparator("1,2.5", ','), "1,2,5");
    EXPECT_EQ(FixDecimalSeparator("1,2,5", '.'), "1.2,5");
}

TEST(FixDecimalSeparator, TextWithoutSeparatorUnchanged)
{
    EXPECT_EQ(FixDecimalSeparator("125", ','), "125");
    EXPECT_EQ(FixDecimalSeparator("", '.'), "");
    EXPECT_EQ(FixDecimalSeparator(" -abc ", ','), " -abc ");
    EXPECT_EQ(FixDecimalSeparator(".", ','), ",");
}

TEST(IntToBin, FixedWidthMostSignificantFirst)
{
    EXPECT_EQ(IntToBin(31, 5), "11111");
    EXPECT_EQ(IntToBin(1, 5), "00001");
    EXPECT_EQ(IntToBin(0, 5), "00000");
    EXPECT_EQ(IntToBin(5, 5), "00101");
    EXPECT_EQ(IntToBin(16, 5), "10000");
    EXPECT_EQ(IntToBin(0x7FFFFFFF, 31), std::string(31, '1'));
    EXPECT_EQ(IntToBin(6, 8), "00000110");
}

TEST(IntToBin, NegativeValueGivesAllZeros)
{
    EXPECT_EQ(IntToBin(-1, 5), "00000");
    EXPECT_EQ(IntToBin(INT32_MIN, 8), "00000000");
}

TEST(IntToBin, WiderValueKeepsItsLowBits)
{
    EXPECT_EQ(IntToBin(33, 5), "00001");
    EXPECT_EQ(IntToBin(0xFF, 4), "1111");
    EXPECT_EQ(IntToBin(7, 0), "");
    EXPECT_EQ(IntToBin(7, -3), "");
}

}  // namespace
}  // namespace zolvik
