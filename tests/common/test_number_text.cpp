#include "common/number_text.h"

#include <cfloat>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

constexpr std::int32_t kDefault = 7;

TEST(StrToIntDef, DecimalTexts)
{
    EXPECT_EQ(StrToIntDef("12", kDefault), 12);
    EXPECT_EQ(StrToIntDef("  12", kDefault), 12);
    EXPECT_EQ(StrToIntDef("+12", kDefault), 12);
    EXPECT_EQ(StrToIntDef("-12", kDefault), -12);
    EXPECT_EQ(StrToIntDef("0", kDefault), 0);
    EXPECT_EQ(StrToIntDef("-0", kDefault), 0);
    EXPECT_EQ(StrToIntDef("0012", kDefault), 12);
}

TEST(StrToIntDef, HexadecimalPrefixes)
{
    EXPECT_EQ(StrToIntDef("-0x1f", kDefault), -31);
    EXPECT_EQ(StrToIntDef("$ff", kDefault), 255);
    EXPECT_EQ(StrToIntDef("x10", kDefault), 16);
    EXPECT_EQ(StrToIntDef("X10", kDefault), 16);
    EXPECT_EQ(StrToIntDef("0X1A", kDefault), 26);
    EXPECT_EQ(StrToIntDef("0xaBcD", kDefault), 0xABCD);
    EXPECT_EQ(StrToIntDef("+$10", kDefault), 16);
    EXPECT_EQ(StrToIntDef("  $0", kDefault), 0);
}

TEST(StrToIntDef, DecimalRangeBoundaries)
{
    EXPECT_EQ(StrToIntDef("2147483647", kDefault), INT32_MAX);
    EXPECT_EQ(StrToIntDef("-2147483648", kDefault), INT32_MIN);
    EXPECT_EQ(StrToIntDef("2147483648", kDefault), kDefault);
    EXPECT_EQ(StrToIntDef("-2147483649", kDefault), kDefault);
    EXPECT_EQ(StrToIntDef("4294967296", kDefault), kDefault);
    EXPECT_EQ(StrToIntDef("99999999999999999999999", kDefault), kDefault);
    EXPECT_EQ(StrToIntDef("000000000002147483647", kDefault), INT32_MAX);
}

TEST(StrToIntDef, HexadecimalIsA32BitPattern)
{
    EXPECT_EQ(StrToIntDef("$FFFFFFFF", kDefault), -1);
    EXPECT_EQ(StrToIntDef("0x80000000", kDefault), INT32_MIN);
    EXPECT_EQ(StrToIntDef("$7FFFFFFF", kDefault), INT32_MAX);
    // A sign before the prefix negates the pattern, wrapping at 32 bits.
    EXPECT_EQ(StrToIntDef("-$80000000", kDefault), INT32_MIN);
    EXPECT_EQ(StrToIntDef("-$FFFFFFFF", kDefault), 1);
    // Nine significant digits are too many; leading zeros are not significant.
    EXPECT_EQ(StrToIntDef("$100000000", kDefault), kDefault);
    EXPECT_EQ(StrToIntDef("0x123456789", kDefault), kDefault);
    EXPECT_EQ(StrToIntDef("$0000000FF", kDefault), 255);
    EXPECT_EQ(StrToIntDef("0x000000000FFFFFFFF", kDefault), -1);
}

TEST(StrToIntDef, TextsThatAreNotWholeNumbers)
{
    for (const char *text :
         {"",     " ",    "-",    "+",     "$",    "x",     "0x",   "-$",   "12 ",
          "\t12", "12\t", "- 12", "+-12",  "--12", "12a",   "1 2",  "12.0", "12,0",
          "1e3",  "$fg",  "0x-1", "00x1f", "$ 1",  "0b101", "１２", "$-1"}) {
        EXPECT_EQ(StrToIntDef(text, kDefault), kDefault) << "text \"" << text << '"';
        EXPECT_FALSE(ParseWholeNumber(text).has_value()) << "text \"" << text << '"';
    }
}

TEST(StrToInt, ReadsLikeTheLenientReading)
{
    EXPECT_EQ(StrToInt("  -42"), -42);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, FailureNamesTheText)
{
    const auto messageFor = [](const std::string &text) -> std::string {
        try {
            StrToInt(text);
        } catch (const Error &error) {
            return error.what();
        }
        return "no error";
    };
    EXPECT_EQ(messageFor("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(messageFor(""), "'' is not a valid integer value");
    EXPECT_EQ(messageFor(" 12 "), "' 12 ' is not a valid integer value");
    EXPECT_EQ(messageFor("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(messageFor("%s"), "'%s' is not a valid integer value");
}

// Decimal reading with both regional separators.
TEST(StrToFloatDef, CommaSeparator)
{
    EXPECT_EQ(StrToFloatDef("12,5", -1.0, ','), 12.5);
    EXPECT_EQ(StrToFloatDef(" 12,5 ", -1.0, ','), 12.5);
    EXPECT_EQ(StrToFloatDef("   12,5", -1.0, ','), 12.5);
    EXPECT_EQ(StrToFloatDef("1,5E2", -1.0, ','), 150.0);
    EXPECT_EQ(StrToFloatDef("-3,25", -1.0, ','), -3.25);
    EXPECT_EQ(StrToFloatDef("+3,25", -1.0, ','), 3.25);
    EXPECT_EQ(StrToFloatDef("12,", -1.0, ','), 12.0);
    EXPECT_EQ(StrToFloatDef("12.5", -1.0, ','), -1.0);
}

TEST(StrToFloatDef, FullStopSeparator)
{
    EXPECT_EQ(StrToFloatDef("12.5", -1.0, '.'), 12.5);
    EXPECT_EQ(StrToFloatDef("41316.1", -1.0, '.'), 41316.1);
    EXPECT_EQ(StrToFloatDef("1103073", -1.0, '.'), 1103073.0);
    EXPECT_EQ(StrToFloatDef("-20", -1.0, '.'), -20.0);
    EXPECT_EQ(StrToFloatDef("12,5", -1.0, '.'), -1.0);
}

TEST(StrToFloatDef, Exponents)
{
    EXPECT_EQ(StrToFloatDef("1e3", 0.0, '.'), 1000.0);
    EXPECT_EQ(StrToFloatDef("1E+3", 0.0, '.'), 1000.0);
    EXPECT_EQ(StrToFloatDef("25e-2", 0.0, '.'), 0.25);
    EXPECT_EQ(StrToFloatDef("2.E1", 0.0, '.'), 20.0);
    EXPECT_EQ(StrToFloatDef("0e999999", 5.0, '.'), 0.0);
    EXPECT_EQ(StrToFloatDef("1e0000000000000000000002", 0.0, '.'), 100.0);
}

TEST(StrToFloatDef, TextsThatAreNotNumbers)
{
    for (const char *text : {"",      "   ", "-",   "+",   ",",    ",5",      "E5",  "1E",  "1e+",
                             "1,2,3", "1 2", "\t1", "1\t", "1 e5", "1e 5",    "--1", "+-1", "1-",
                             "0x10",  "$10", "inf", "nan", "INF",  "1,5e2,0", "12a", "1.5"}) {
        EXPECT_EQ(StrToFloatDef(text, -7.5, ','), -7.5) << "text \"" << text << '"';
        EXPECT_FALSE(ParseDecimal(text, ',').has_value()) << "text \"" << text << '"';
    }
}

TEST(StrToFloatDef, DoubleRange)
{
    EXPECT_EQ(StrToFloatDef("1e400", -1.0, '.'), -1.0);
    EXPECT_EQ(StrToFloatDef("-1e400", -1.0, '.'), -1.0);
    EXPECT_EQ(StrToFloatDef("1.7976931348623157e308", -1.0, '.'), DBL_MAX);
    EXPECT_EQ(StrToFloatDef("1.8e308", -1.0, '.'), -1.0);
    // Tiny values are inside the range: they read as the nearest double.
    EXPECT_EQ(StrToFloatDef("4.9406564584124654e-324", -1.0, '.'), 4.9406564584124654e-324);
    EXPECT_EQ(StrToFloatDef("1e-400", -1.0, '.'), 0.0);
}

TEST(ParseDecimal, GivesTheNearestDouble)
{
    // Read into a double, so the value is the double 0.1, not the extended 0.1.
    EXPECT_EQ(ParseDecimal("0.1", '.'), static_cast<long double>(0.1));
    EXPECT_EQ(ParseDecimal("0,1", ','), static_cast<long double>(0.1));
    EXPECT_EQ(ParseDecimal("273.15", '.'), static_cast<long double>(273.15));
    EXPECT_EQ(ParseDecimal("9007199254740993", '.'), 9007199254740992.0L);
    EXPECT_EQ(ParseDecimal("0.30000000000000004", '.'), static_cast<long double>(0.1 + 0.2));
    EXPECT_EQ(ParseDecimal("-0", '.'), 0.0L);
}

TEST(IntToHex, PaddedUpperCasePattern)
{
    EXPECT_EQ(IntToHex(255, 2), "FF");
    EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFF");
    EXPECT_EQ(IntToHex(256, 2), "100");
    EXPECT_EQ(IntToHex(10, 1), "A");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(0, 4), "0000");
    EXPECT_EQ(IntToHex(0xABCD, 8), "0000ABCD");
    EXPECT_EQ(IntToHex(INT32_MIN, 8), "80000000");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(-2, 0), "FFFFFFFE");
    EXPECT_EQ(IntToHex(7, -3), "7");
}

TEST(IntToHex, UnsignedAndWiderValues)
{
    EXPECT_EQ(IntToHex(0xFFFFFFFFLL, 8), "FFFFFFFF");
    EXPECT_EQ(IntToHex(0x100000000LL, 8), "100000000");
    EXPECT_EQ(IntToHex(-0x100000001LL, 0), "FFFFFFFEFFFFFFFF");
}

TEST(IntToStr, SignedDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(42), "42");
    EXPECT_EQ(IntToStr(-7), "-7");
    EXPECT_EQ(IntToStr(INT32_MIN), "-2147483648");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
}

TEST(WholeNumberTexts, RoundTrip)
{
    for (std::int32_t value : {0, 1, -1, 255, -31, 65535, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(StrToInt(IntToStr(value)), value);
        EXPECT_EQ(StrToInt("$" + IntToHex(value, 8)), value);
        EXPECT_EQ(StrToInt("0x" + IntToHex(value, 0)), value);
    }
}

}  // namespace
}  // namespace zolvik
