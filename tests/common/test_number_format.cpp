#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik {
namespace {

using Args = std::initializer_list<FormatArg>;

std::string FormatErrorOf(std::string_view format, Args args)
{
    try {
        Format(format, args, '.');
    } catch (const Error &error) {
        return error.what();
    }
    return "no error";
}

std::string ExpectedFormatError(std::string_view format)
{
    return "Format '" + std::string(format) + "' invalid or incompatible with argument";
}

TEST(Format, IntegerSpecifiers)
{
    EXPECT_EQ(Format("%d", {std::int64_t{7}}, '.'), "7");
    EXPECT_EQ(Format("%d", {std::int64_t{-7}}, '.'), "-7");
    EXPECT_EQ(Format("%d", {std::int64_t{INT32_MIN}}, '.'), "-2147483648");
    EXPECT_EQ(Format("%4d", {std::int64_t{7}}, '.'), "   7");
    EXPECT_EQ(Format("%4d", {std::int64_t{-7}}, '.'), "  -7");
    EXPECT_EQ(Format("%4d", {std::int64_t{12345}}, '.'), "12345");
    EXPECT_EQ(Format("%4d", {std::int64_t{-123}}, '.'), "-123");
    EXPECT_EQ(Format("%4d mod %d = %d", {std::int64_t{-7}, std::int64_t{3}, std::int64_t{-1}}, '.'),
              "  -7 mod 3 = -1");
    EXPECT_EQ(Format("fontmap%d.h", {std::int64_t{3}}, '.'), "fontmap3.h");
}

TEST(Format, TextSpecifier)
{
    EXPECT_EQ(Format("%s", {std::string("abc")}, '.'), "abc");
    EXPECT_EQ(Format("%s", {std::string("")}, '.'), "");
    EXPECT_EQ(Format("0x%s (%d)", {std::string("FF"), std::int64_t{255}}, '.'), "0xFF (255)");
    EXPECT_EQ(Format("//%s %d", {std::string("Cour\xc3\xa9 %d"), std::int64_t{12}}, '.'),
              "//Cour\xc3\xa9 %d 12");
    EXPECT_EQ(Format("/C mklink /D \"%s\\%s\" \"%s\"",
                     {std::string("C:\\a"), std::string("b"), std::string("D:\\c")}, '.'),
              "/C mklink /D \"C:\\a\\b\" \"D:\\c\"");
}

TEST(Format, FixedSpecifiers)
{
    EXPECT_EQ(Format("T1 = %f  >>  R1 = %f", {-20.0L, 1.5L}, ','), "T1 = -20,00  >>  R1 = 1,50");
    EXPECT_EQ(Format("T1 = %f  >>  R1 = %f", {-20.0L, 1.5L}, '.'), "T1 = -20.00  >>  R1 = 1.50");
    EXPECT_EQ(Format("%f", {1103073.0L}, '.'), "1103073.00");
    EXPECT_EQ(Format("%0.1f", {0.25L}, '.'), "0.3");
    EXPECT_EQ(Format("%0.2f", {0.25L}, ','), "0,25");
    EXPECT_EQ(Format("%10.2f", {273.15L}, '.'), "    273.15");
    EXPECT_EQ(Format("%10.2f", {-12345678.125L}, '.'), "-12345678.13");
    EXPECT_EQ(Format("%.3f", {2.0L}, '.'), "2.000");
    EXPECT_EQ(Format("%.0f", {2.5L}, '.'), "3");
    EXPECT_EQ(Format("%.f", {2.5L}, '.'), "3");
}

TEST(Format, PercentSigns)
{
    EXPECT_EQ(Format("%%", {}, '.'), "%");
    EXPECT_EQ(Format("100%%", {}, '.'), "100%");
    EXPECT_EQ(Format("%d%%", {std::int64_t{50}}, '.'), "50%");
    EXPECT_EQ(Format("100%", {}, '.'), "100");
    EXPECT_EQ(Format("%", {}, '.'), "");
    EXPECT_EQ(Format("%d%", {std::int64_t{5}}, '.'), "5");
    EXPECT_EQ(Format("%%%", {}, '.'), "%");
    EXPECT_EQ(Format("", {}, '.'), "");
    EXPECT_EQ(Format("no specifier", {std::int64_t{1}}, '.'), "no specifier");
}

TEST(Format, PlainIntegersAndDoublesAsArguments)
{
    EXPECT_EQ(Format("%d %f %s", {7, 1.5, "x"}, '.'), "7 1.50 x");
    EXPECT_EQ(Format("%d", {std::uint32_t{0xFFFFFFFF}}, '.'), "4294967295");
}

TEST(Format, ExtraArgumentsAreIgnored)
{
    EXPECT_EQ(Format("%d", {std::int64_t{1}, std::int64_t{2}}, '.'), "1");
    EXPECT_EQ(Format("%s", {std::string("a"), 1.0L}, '.'), "a");
}

TEST(Format, FurtherSpecifiers)
{
    EXPECT_EQ(Format("%D %S %F", {std::int64_t{1}, std::string("b"), 1.0L}, '.'), "1 b 1.00");
    EXPECT_EQ(Format("%x", {std::int64_t{255}}, '.'), "FF");
    EXPECT_EQ(Format("%X", {std::int64_t{-1}}, '.'), "FFFFFFFF");
    EXPECT_EQ(Format("%.4x", {std::int64_t{255}}, '.'), "00FF");
    EXPECT_EQ(Format("%u", {std::int64_t{-1}}, '.'), "4294967295");
    EXPECT_EQ(Format("%u", {std::int64_t{42}}, '.'), "42");
    EXPECT_EQ(Format("%.3d", {std::int64_t{-7}}, '.'), "-007");
    EXPECT_EQ(Format("%.3d", {std::int64_t{1234}}, '.'), "1234");
    EXPECT_EQ(Format("%-4d|", {std::int64_t{7}}, '.'), "7   |");
    EXPECT_EQ(Format("%04d", {std::int64_t{7}}, '.'), "   7");
    EXPECT_EQ(Format("%.2s", {std::string("abcdef")}, '.'), "ab");
    EXPECT_EQ(Format("%5s|%-5s|", {std::string("ab"), std::string("cd")}, '.'), "   ab|cd   |");
    EXPECT_EQ(Format("%g", {0.1L}, ','), "0,1");
    EXPECT_EQ(Format("%g", {8.5e-8L}, '.'), "8.5E-8");
    EXPECT_EQ(Format("%.3g", {1234.5L}, '.'), "1.23E3");
    EXPECT_EQ(Format("%.3g", {12.345L}, '.'), "12.3");
}

TEST(Format, MismatchedArgumentsRaiseTheFormatError)
{
    EXPECT_EQ(FormatErrorOf("%d", {}), ExpectedFormatError("%d"));
    EXPECT_EQ(FormatErrorOf("%d %d", {std::int64_t{1}}), ExpectedFormatError("%d %d"));
    EXPECT_EQ(FormatErrorOf("%d", {std::string("1")}), ExpectedFormatError("%d"));
    EXPECT_EQ(FormatErrorOf("%4d", {1.0L}), ExpectedFormatError("%4d"));
    EXPECT_EQ(FormatErrorOf("x = %f", {std::int64_t{1}}), ExpectedFormatError("x = %f"));
    EXPECT_EQ(FormatErrorOf("%s", {std::int64_t{1}}), ExpectedFormatError("%s"));
    EXPECT_EQ(FormatErrorOf("%s", {1.0L}), ExpectedFormatError("%s"));
    EXPECT_EQ(FormatErrorOf("%x", {1.0L}), ExpectedFormatError("%x"));
    EXPECT_EQ(FormatErrorOf("%g", {std::int64_t{1}}), ExpectedFormatError("%g"));
}

TEST(Format, UnsupportedSpecifiersRaiseTheFormatError)
{
    for (const char *format : {"%q", "%e", "%n", "%m", "%p", "%5", "a %.2", "%-", "%*d", "%0:d",
                               "%99999d", "%.99999f", "% d"}) {
        EXPECT_EQ(FormatErrorOf(format, {std::int64_t{1}}), ExpectedFormatError(format));
    }
}

TEST(FormatFixed, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(FormatFixed(0.25L, 1, '.'), "0.3");
    EXPECT_EQ(FormatFixed(-0.25L, 1, '.'), "-0.3");
    EXPECT_EQ(FormatFixed(0.125L, 2, '.'), "0.13");
    EXPECT_EQ(FormatFixed(-0.125L, 2, '.'), "-0.13");
    EXPECT_EQ(FormatFixed(2.5L, 0, '.'), "3");
    EXPECT_EQ(FormatFixed(-2.5L, 0, '.'), "-3");
    EXPECT_EQ(FormatFixed(0.5L, 0, '.'), "1");
    EXPECT_EQ(FormatFixed(0.24L, 1, '.'), "0.2");
    EXPECT_EQ(FormatFixed(0.004L, 2, '.'), "0.00");
    EXPECT_EQ(FormatFixed(0.005L, 2, '.'), "0.01");
}

TEST(FormatFixed, NoMinusSignOnZero)
{
    EXPECT_EQ(FormatFixed(-0.04L, 1, '.'), "0.0");
    EXPECT_EQ(FormatFixed(-0.05L, 1, '.'), "-0.1");
    EXPECT_EQ(FormatFixed(-0.0L, 2, '.'), "0.00");
    EXPECT_EQ(FormatFixed(-0.4L, 0, '.'), "0");
    EXPECT_EQ(FormatFixed(-1e-30L, 2, ','), "0,00");
    EXPECT_EQ(FormatFixed(0.0L, 1, ','), "0,0");
    // A double read as 273.15 less the extended 273.15 is a tiny negative number.
    const long double kelvin = static_cast<long double>(273.15) - 273.15L;
    ASSERT_LT(kelvin, 0.0L);
    EXPECT_EQ(FormatFixed(kelvin, 1, '.'), "0.0");
}

TEST(FormatFixed, RoundsThroughEighteenSignificantDigits)
{
    // The extended 273.15 has 18 digits 273.150000000000000: its half rounds up.
    EXPECT_EQ(FormatFixed(273.15L, 1, '.'), "273.2");
    // The double 273.15 has 18 digits 273.149999999999977: it rounds down.
    EXPECT_EQ(FormatFixed(static_cast<long double>(273.15), 1, '.'), "273.1");
    // The double 1.005 has 18 digits 1.00499999999999989; the extended one 1.00500000000000000.
    EXPECT_EQ(FormatFixed(static_cast<long double>(1.005), 2, '.'), "1.00");
    EXPECT_EQ(FormatFixed(1.005L, 2, '.'), "1.01");
    // The double 0.05 is slightly above a half: 5.00000000000000003E-2.
    EXPECT_EQ(FormatFixed(static_cast<long double>(-0.05), 1, '.'), "-0.1");
    // Digits past the eighteenth are gone before rounding and printing.
    EXPECT_EQ(FormatFixed(1234567890.123456789L, 10, '.'), "1234567890.1234567900");
    EXPECT_EQ(FormatFixed(0.1L + 0.2L, 18, '.'), "0.300000000000000000");
}

TEST(FormatFixed, CarriesIntoNewDigits)
{
    EXPECT_EQ(FormatFixed(9.95L, 1, '.'), "10.0");
    EXPECT_EQ(FormatFixed(-9.95L, 1, '.'), "-10.0");
    EXPECT_EQ(FormatFixed(999.996L, 2, ','), "1000,00");
    EXPECT_EQ(FormatFixed(0.96L, 1, '.'), "1.0");
    EXPECT_EQ(FormatFixed(0.0096L, 2, '.'), "0.01");
}

TEST(FormatFixed, WholeAndLargeValues)
{
    EXPECT_EQ(FormatFixed(-20.0L, 2, '.'), "-20.00");
    EXPECT_EQ(FormatFixed(41316.1L, 2, ','), "41316,10");
    EXPECT_EQ(FormatFixed(1e17L, 2, '.'), "100000000000000000.00");
    EXPECT_EQ(FormatFixed(123456789012345678.0L, 1, '.'), "123456789012345678.0");
    // Beyond 18 whole digits: general notation with 18 significant digits.
    EXPECT_EQ(FormatFixed(1e18L, 2, '.'), "1E18");
    EXPECT_EQ(FormatFixed(-1.5e20L, 2, ','), "-1,5E20");
}

TEST(FormatFixed, DecimalCountLimits)
{
    EXPECT_EQ(FormatFixed(1.5L, -1, '.'), "2");
    EXPECT_EQ(FormatFixed(0.5L, 40, '.'), "0.500000000000000000");
}

TEST(FormatFixed, NonFiniteValues)
{
    EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::infinity(), 2, '.'), "INF");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<long double>::infinity(), 2, '.'), "-INF");
    EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::quiet_NaN(), 2, '.'), "NAN");
}

TEST(FormatGeneral, PlainDecimalNotation)
{
    EXPECT_EQ(FormatGeneral(0.0L, '.'), "0");
    EXPECT_EQ(FormatGeneral(-0.0L, '.'), "0");
    EXPECT_EQ(FormatGeneral(0.25L, '.'), "0.25");
    EXPECT_EQ(FormatGeneral(0.25L, ','), "0,25");
    EXPECT_EQ(FormatGeneral(100.0L, '.'), "100");
    EXPECT_EQ(FormatGeneral(-1234.5L, '.'), "-1234.5");
    EXPECT_EQ(FormatGeneral(0.0001L, '.'), "0.0001");
    EXPECT_EQ(FormatGeneral(-0.00012345L, '.'), "-0.00012345");
    EXPECT_EQ(FormatGeneral(999999999999999.0L, '.'), "999999999999999");
    EXPECT_EQ(FormatGeneral(0.00112345678901234567L, '.'), "0.00112345678901235");
}

TEST(FormatGeneral, RoundsToFifteenSignificantDigits)
{
    EXPECT_EQ(FormatGeneral(1.0L / 3.0L, '.'), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(2.0L / 3.0L, '.'), "0.666666666666667");
    EXPECT_EQ(FormatGeneral(static_cast<long double>(0.1), '.'), "0.1");
    EXPECT_EQ(FormatGeneral(0.1L + 0.2L, '.'), "0.3");
    EXPECT_EQ(FormatGeneral(100000000000000.5L, '.'), "100000000000001");
    // Rounding decides the notation: these round to 1E15 and to 0.0001.
    EXPECT_EQ(FormatGeneral(999999999999999.9L, '.'), "1E15");
    EXPECT_EQ(FormatGeneral(0.00009999999999999999L, '.'), "0.0001");
}

TEST(FormatGeneral, ScientificNotation)
{
    EXPECT_EQ(FormatGeneral(8.5e-8L, '.'), "8.5E-8");
    EXPECT_EQ(FormatGeneral(8.5e-8L, ','), "8,5E-8");
    EXPECT_EQ(FormatGeneral(0.00009999L, '.'), "9.999E-5");
    EXPECT_EQ(FormatGeneral(1.23456789012345e-5L, '.'), "1.23456789012345E-5");
    EXPECT_EQ(FormatGeneral(1e15L, '.'), "1E15");
    EXPECT_EQ(FormatGeneral(-1e20L, '.'), "-1E20");
    EXPECT_EQ(FormatGeneral(2.0L / 3.0L * 1e20L, '.'), "6.66666666666667E19");
    EXPECT_EQ(FormatGeneral(123456789012345678.0L, '.'), "1.23456789012346E17");
    EXPECT_EQ(FormatGeneral(1e-100L, '.'), "1E-100");
    EXPECT_EQ(FormatGeneral(1e4000L, '.'), "1E4000");
}

TEST(FormatGeneral, NonFiniteValues)
{
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::infinity(), '.'), "INF");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<long double>::infinity(), '.'), "-INF");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::quiet_NaN(), '.'), "NAN");
}

TEST(NumberTexts, FixedAndGeneralRoundTripThroughTheReading)
{
    for (double value : {0.25, -20.0, 41316.1, 1103073.0, 12.5, -0.001}) {
        for (char separator : {'.', ','}) {
            EXPECT_EQ(StrToFloatDef(FormatGeneral(value, separator), 0.0, separator), value);
            EXPECT_EQ(StrToFloatDef(FormatFixed(value, 3, separator), 0.0, separator), value);
        }
    }
}

}  // namespace
}  // namespace zolvik
