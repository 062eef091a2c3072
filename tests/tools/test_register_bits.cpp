#include "tools/register_bits.h"

#include <gtest/gtest.h>

namespace zolvik {
namespace {

TEST(RegisterReadouts, AllClearReplacesTheUnderscoredDesignText)
{
    const RegisterReadouts r = RegisterReadoutsOf(0);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(r.lowNibbles[k], "0");
        EXPECT_EQ(r.highNibbles[k], "0");
        EXPECT_EQ(r.bytes[k], "0x00 (0)");
    }
    EXPECT_EQ(r.words[0], "0x0000 (0)");
    EXPECT_EQ(r.words[1], "0x0000 (0)");
    EXPECT_EQ(r.doubleWord, "0x00000000 (0)");
}

TEST(RegisterReadouts, BitZeroOnly)
{
    const RegisterReadouts r = RegisterReadoutsOf(1u);
    EXPECT_EQ(r.lowNibbles[0], "1");
    EXPECT_EQ(r.highNibbles[0], "0");
    EXPECT_EQ(r.bytes[0], "0x01 (1)");
    EXPECT_EQ(r.bytes[1], "0x00 (0)");
    EXPECT_EQ(r.words[0], "0x0001 (1)");
    EXPECT_EQ(r.words[1], "0x0000 (0)");
    EXPECT_EQ(r.doubleWord, "0x00000001 (1)");
}

TEST(RegisterReadouts, BitSixteenOnly)
{
    const RegisterReadouts r = RegisterReadoutsOf(1u << 16);
    EXPECT_EQ(r.lowNibbles[2], "1");
    EXPECT_EQ(r.bytes[2], "0x01 (1)");
    EXPECT_EQ(r.words[0], "0x0000 (0)");
    EXPECT_EQ(r.words[1], "0x0001 (1)");
    EXPECT_EQ(r.doubleWord, "0x00010000 (65536)");
}

TEST(RegisterReadouts, EachSingleBitLandsInItsNibble)
{
    for (int bit = 0; bit < 32; ++bit) {
        const RegisterReadouts r = RegisterReadoutsOf(1u << bit);
        const int byte = bit / 8;
        const std::string digit(1, "1248"[bit % 4]);
        EXPECT_EQ(bit % 8 < 4 ? r.lowNibbles[byte] : r.highNibbles[byte], digit) << bit;
        EXPECT_EQ(bit % 8 < 4 ? r.highNibbles[byte] : r.lowNibbles[byte], "0") << bit;
    }
    EXPECT_EQ(RegisterReadoutsOf(1u << 31).doubleWord, "0x80000000 (-2147483648)");
    EXPECT_EQ(RegisterReadoutsOf(1u << 15).words[0], "0x8000 (32768)");
    EXPECT_EQ(RegisterReadoutsOf(1u << 7).bytes[0], "0x80 (128)");
}

TEST(RegisterReadouts, TopByteFull)
{
    const RegisterReadouts r = RegisterReadoutsOf(0xFF000000u);
    EXPECT_EQ(r.highNibbles[3], "F");
    EXPECT_EQ(r.lowNibbles[3], "F");
    EXPECT_EQ(r.bytes[3], "0xFF (255)");
    EXPECT_EQ(r.words[1], "0xFF00 (65280)");
    EXPECT_EQ(r.doubleWord, "0xFF000000 (-16777216)");
}

TEST(RegisterReadouts, AllBitsSetIsMinusOne)
{
    const RegisterReadouts r = RegisterReadoutsOf(0xFFFFFFFFu);
    EXPECT_EQ(r.words[0], "0xFFFF (65535)");
    EXPECT_EQ(r.words[1], "0xFFFF (65535)");
    EXPECT_EQ(r.doubleWord, "0xFFFFFFFF (-1)");
}

TEST(RegisterReadouts, MixedValue)
{
    const RegisterReadouts r = RegisterReadoutsOf(0x12A5C30Fu);
    EXPECT_EQ(r.lowNibbles[0], "F");
    EXPECT_EQ(r.highNibbles[0], "0");
    EXPECT_EQ(r.bytes[1], "0xC3 (195)");
    EXPECT_EQ(r.highNibbles[2], "A");
    EXPECT_EQ(r.lowNibbles[2], "5");
    EXPECT_EQ(r.words[0], "0xC30F (49935)");
    EXPECT_EQ(r.words[1], "0x12A5 (4773)");
    EXPECT_EQ(r.doubleWord, "0x12A5C30F (312853263)");
}

TEST(ByteEntryValue, DecimalAndHexadecimalEntries)
{
    EXPECT_EQ(ByteEntryValue("255"), 255);
    EXPECT_EQ(ByteEntryValue("$A5"), 0xA5);
    EXPECT_EQ(ByteEntryValue("xA5"), 0xA5);
    EXPECT_EQ(ByteEntryValue("0xA5"), 0xA5);
    EXPECT_EQ(ByteEntryValue("0Xa5"), 0xA5);
    EXPECT_EQ(ByteEntryValue("  7"), 7);
    EXPECT_EQ(ByteEntryValue("1"), 1);
    EXPECT_EQ(ByteEntryValue("12"), 12);
    EXPECT_EQ(ByteEntryValue("125"), 125);
}

TEST(ByteEntryValue, OnlyTheLowEightBitsCount)
{
    EXPECT_EQ(ByteEntryValue("256"), 0);
    EXPECT_EQ(ByteEntryValue("300"), 0x2C);
    EXPECT_EQ(ByteEntryValue("-1"), 0xFF);
    EXPECT_EQ(ByteEntryValue("-2147483648"), 0);
    EXPECT_EQ(ByteEntryValue("$FFFFFF80"), 0x80);
}

TEST(ByteEntryValue, JunkReadsAsZero)
{
    EXPECT_EQ(ByteEntryValue(""), 0);
    EXPECT_EQ(ByteEntryValue("12abc"), 0);
    EXPECT_EQ(ByteEntryValue("12 "), 0);
    EXPECT_EQ(ByteEntryValue("-"), 0);
    EXPECT_EQ(ByteEntryValue("$"), 0);
    EXPECT_EQ(ByteEntryValue("2147483648"), 0);
}

TEST(WithByte, ReplacesOnlyItsByte)
{
    EXPECT_EQ(WithByte(0x11223344u, 0, 0xAB), 0x112233ABu);
    EXPECT_EQ(WithByte(0x11223344u, 3, 0x00), 0x00223344u);
    EXPECT_EQ(WithByte(0u, 2, 0xFF), 0x00FF0000u);
    EXPECT_TRUE(BitOf(0x80000000u, 31));
    EXPECT_FALSE(BitOf(0x80000000u, 30));
}

}  // namespace
}  // namespace zolvik
