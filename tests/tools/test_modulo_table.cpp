#include "tools/modulo_table.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::string ErrorOf(std::int32_t first, std::int32_t last, std::int32_t modulus)
{
    try {
        ModuloTable(first, last, modulus);
    } catch (const Error &error) {
        return error.what();
    }
    return "no error";
}

TEST(TruncatingMod, TakesTheSignOfTheDividend)
{
    EXPECT_EQ(TruncatingMod(-7, 3), -1);
    EXPECT_EQ(TruncatingMod(7, -3), 1);
    EXPECT_EQ(TruncatingMod(-7, -3), -1);
    EXPECT_EQ(TruncatingMod(7, 3), 1);
    EXPECT_EQ(TruncatingMod(10, -4), 2);
    EXPECT_EQ(TruncatingMod(0, 5), 0);
    EXPECT_EQ(TruncatingMod(kMin, kMax), -1);
    EXPECT_EQ(TruncatingMod(kMax, kMin), kMax);
}

TEST(TruncatingMod, ModulusMinusOneLeavesNothingEvenForTheSmallestValue)
{
    EXPECT_EQ(TruncatingMod(kMin, -1), 0);
    EXPECT_EQ(TruncatingMod(5, -1), 0);
}

TEST(TruncatingMod, ModulusZeroIsTheIntegerDivisionError)
{
    EXPECT_THROW(TruncatingMod(5, 0), Error);
    try {
        TruncatingMod(0, 0);
    } catch (const Error &error) {
        EXPECT_STREQ(error.what(), "Division by zero");
    }
}

TEST(ModuloLine, PadsTheValueToFourCharacters)
{
    EXPECT_EQ(ModuloLine(0, 10), "   0 mod 10 = 0");
    EXPECT_EQ(ModuloLine(9, 10), "   9 mod 10 = 9");
    EXPECT_EQ(ModuloLine(10, 10), "  10 mod 10 = 0");
    EXPECT_EQ(ModuloLine(-3, 2), "  -3 mod 2 = -1");
    EXPECT_EQ(ModuloLine(999, 7), " 999 mod 7 = 5");
    EXPECT_EQ(ModuloLine(-999, 7), "-999 mod 7 = -5");
    EXPECT_EQ(ModuloLine(1000, 7), "1000 mod 7 = 6");
    EXPECT_EQ(ModuloLine(10, -4), "  10 mod -4 = 2");
}

TEST(ModuloLine, WiderValuesTakeTheRoomTheyNeed)
{
    EXPECT_EQ(ModuloLine(12345, 100), "12345 mod 100 = 45");
    EXPECT_EQ(ModuloLine(-1000, 3), "-1000 mod 3 = -1");
    EXPECT_EQ(ModuloLine(kMin, -1), "-2147483648 mod -1 = 0");
    EXPECT_EQ(ModuloLine(kMax, kMin), "2147483647 mod -2147483648 = 2147483647");
}

TEST(ModuloLineCount, InclusiveRangesInSixtyFourBits)
{
    EXPECT_EQ(ModuloLineCount(0, 20), 21);
    EXPECT_EQ(ModuloLineCount(5, 5), 1);
    EXPECT_EQ(ModuloLineCount(5, 4), 0);
    EXPECT_EQ(ModuloLineCount(kMax, kMin), 0);
    EXPECT_EQ(ModuloLineCount(kMin, kMax), 4294967296LL);
}

TEST(ModuloTable, ZeroToTwentyModTen)
{
    EXPECT_EQ(ModuloTable(0, 20, 10), "   0 mod 10 = 0\n"
                                      "   1 mod 10 = 1\n"
                                      "   2 mod 10 = 2\n"
                                      "   3 mod 10 = 3\n"
                                      "   4 mod 10 = 4\n"
                                      "   5 mod 10 = 5\n"
                                      "   6 mod 10 = 6\n"
                                      "   7 mod 10 = 7\n"
                                      "   8 mod 10 = 8\n"
                                      "   9 mod 10 = 9\n"
                                      "  10 mod 10 = 0\n"
                                      "  11 mod 10 = 1\n"
                                      "  12 mod 10 = 2\n"
                                      "  13 mod 10 = 3\n"
                                      "  14 mod 10 = 4\n"
                                      "  15 mod 10 = 5\n"
                                      "  16 mod 10 = 6\n"
                                      "  17 mod 10 = 7\n"
                                      "  18 mod 10 = 8\n"
                                      "  19 mod 10 = 9\n"
                                      "  20 mod 10 = 0");
}

TEST(ModuloTable, NegativeStartModTwo)
{
    EXPECT_EQ(ModuloTable(-3, 3, 2), "  -3 mod 2 = -1\n"
                                     "  -2 mod 2 = 0\n"
                                     "  -1 mod 2 = -1\n"
                                     "   0 mod 2 = 0\n"
                                     "   1 mod 2 = 1\n"
                                     "   2 mod 2 = 0\n"
                                     "   3 mod 2 = 1");
}

TEST(ModuloTable, SingleAndEmptyRanges)
{
    EXPECT_EQ(ModuloTable(12345, 12345, 100), "12345 mod 100 = 45");
    EXPECT_EQ(ModuloTable(7, 7, 3), "   7 mod 3 = 1");
    EXPECT_EQ(ModuloTable(8, 7, 3), "");
    EXPECT_EQ(ModuloTable(8, 7, 0), "");  // nothing to list, so nothing divides
}

TEST(ModuloTable, EndsOfTheIntegerRange)
{
    EXPECT_EQ(ModuloTable(kMax - 1, kMax, 10), "2147483646 mod 10 = 6\n"
                                               "2147483647 mod 10 = 7");
    EXPECT_EQ(ModuloTable(kMin, kMin + 1, -1), "-2147483648 mod -1 = 0\n"
                                               "-2147483647 mod -1 = 0");
}

TEST(ModuloTable, ModulusZeroBuildsNothing)
{
    EXPECT_EQ(ErrorOf(0, 20, 0), "Division by zero");
    EXPECT_EQ(ErrorOf(-5, -5, 0), "Division by zero");
}

TEST(ModuloTable, AMillionLinesIsTheLimit)
{
    const std::string table = ModuloTable(1, 1000000, 7);
    EXPECT_EQ(table.substr(0, 15), "   1 mod 7 = 1\n");
    EXPECT_EQ(table.substr(table.size() - 18), "\n1000000 mod 7 = 1");
    std::size_t lines = 1;
    for (char c : table)
        lines += c == '\n';
    EXPECT_EQ(lines, 1000000u);
}

TEST(ModuloTable, WiderRangesAreRefusedWithTheirSize)
{
    EXPECT_EQ(ErrorOf(1, 1000001, 7),
              "The range asks for 1000001 lines; at most 1000000 lines can be listed at once");
    EXPECT_EQ(ErrorOf(kMin, kMax, 7),
              "The range asks for 4294967296 lines; at most 1000000 lines can be listed at once");
    // The size is refused before the modulus is looked at.
    EXPECT_EQ(ErrorOf(0, 2000000, 0),
              "The range asks for 2000001 lines; at most 1000000 lines can be listed at once");
}

}  // namespace
}  // namespace zolvik
