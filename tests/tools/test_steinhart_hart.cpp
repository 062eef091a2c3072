#include "tools/steinhart_hart.h"

#include <cmath>

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik {
namespace {

// Calibration points of a 100 kOhm NTC thermistor datasheet: -20, 12.5 and 45 degrees Celsius.
const SteinhartPoints kDatasheet{-20.0, 12.5, 45.0, 1103073.0, 183079.0, 41316.1};

template <typename Body>
void ExpectFault(Body body, const char *message)
{
    try {
        body();
        ADD_FAILURE() << "no fault, expected " << message;
    } catch (const Error &error) {
        EXPECT_STREQ(error.what(), message);
    }
}

TEST(SteinhartField, TextIsNormalisedBeforeItIsRead)
{
    const DecimalField point = ReadDecimalField("41316,1", 0.0, '.');
    EXPECT_EQ(point.text, "41316.1");
    EXPECT_EQ(point.value, 41316.1);

    const DecimalField comma = ReadDecimalField("12.5", 10000.0, ',');
    EXPECT_EQ(comma.text, "12,5");
    EXPECT_EQ(comma.value, 12.5);

    EXPECT_EQ(ReadDecimalField("41316,1", 0.0, ',').value, 41316.1);
    EXPECT_EQ(ReadDecimalField("-20", 10000.0, ',').text, "-20");
}

TEST(SteinhartField, UnreadableTextGivesTheMarker)
{
    for (char separator : {'.', ','}) {
        EXPECT_EQ(ReadDecimalField("", kUnreadableTemperature, separator).value, 10000.0);
        EXPECT_EQ(ReadDecimalField("abc", kUnreadableResistance, separator).value, 0.0);
        EXPECT_EQ(ReadDecimalField("1.2.3", kUnreadableTestResistance, separator).text,
                  std::string("1") + separator + "2.3");
        EXPECT_EQ(ReadDecimalField("1.2.3", kUnreadableTestResistance, separator).value, -1.0);
    }
}

TEST(SteinhartPoints, MarkersAreRefusedAndNothingElse)
{
    EXPECT_TRUE(SteinhartPointsUsable(kDatasheet));
    SteinhartPoints p = kDatasheet;
    p.t2 = 10000.0;
    EXPECT_FALSE(SteinhartPointsUsable(p));
    p.t2 = 9999.999999;
    EXPECT_TRUE(SteinhartPointsUsable(p));
    p = kDatasheet;
    p.r3 = 0.0;
    EXPECT_FALSE(SteinhartPointsUsable(p));
    p.r3 = -5.0;
    EXPECT_TRUE(SteinhartPointsUsable(p));
    p = kDatasheet;
    p.t1 = -300.0;
    EXPECT_TRUE(SteinhartPointsUsable(p));
    EXPECT_FALSE(SteinhartPointsUsable(SteinhartPoints{10000.0, 10000.0, 10000.0, 0.0, 0.0, 0.0}));
}

TEST(SteinhartConstants, DatasheetPointsInGeneralNotation)
{
    const SteinhartConstants k = SteinhartConstantsOf(kDatasheet);
    EXPECT_EQ(FormatGeneral(k.a, '.'), "0.000833777969165095");
    EXPECT_EQ(FormatGeneral(k.b, '.'), "0.00020786481370718");
    EXPECT_EQ(FormatGeneral(k.c, '.'), "8.32737350948285E-8");
    EXPECT_EQ(FormatGeneral(k.a, ','), "0,000833777969165095");
    EXPECT_EQ(FormatGeneral(k.b, ','), "0,00020786481370718");
    EXPECT_EQ(FormatGeneral(k.c, ','), "8,32737350948285E-8");
    EXPECT_TRUE(SteinhartConstantsComputed(k));
}

TEST(SteinhartConstants, StepwiseEqualsWhole)
{
    const SteinhartTerms terms = SteinhartTermsOf(kDatasheet);
    const double c = SteinhartCOf(terms);
    const double b = SteinhartBOf(terms, c);
    const double a = SteinhartAOf(terms, c, b);
    const SteinhartConstants k = SteinhartConstantsOf(kDatasheet);
    EXPECT_EQ(a, k.a);
    EXPECT_EQ(b, k.b);
    EXPECT_EQ(c, k.c);
}

TEST(SteinhartConstants, ReadFromTextsWithEitherSeparator)
{
    for (char separator : {'.', ','}) {
        const SteinhartPoints p{
            ReadDecimalField("-20", kUnreadableTemperature, separator).value,
            ReadDecimalField("12.5", kUnreadableTemperature, separator).value,
            ReadDecimalField("45", kUnreadableTemperature, separator).value,
            ReadDecimalField("1103073", kUnreadableResistance, separator).value,
            ReadDecimalField("183079", kUnreadableResistance, separator).value,
            ReadDecimalField("41316,1", kUnreadableResistance, separator).value};
        const SteinhartConstants k = SteinhartConstantsOf(p);
        const std::string sep(1, separator);
        EXPECT_EQ(FormatGeneral(k.a, separator), "0" + sep + "000833777969165095");
        EXPECT_EQ(FormatGeneral(k.c, separator), "8" + sep + "32737350948285E-8");
    }
}

TEST(SteinhartConstants, NotComputedWhileAnyIsZero)
{
    EXPECT_FALSE(SteinhartConstantsComputed(SteinhartConstants{}));
    EXPECT_FALSE(SteinhartConstantsComputed(SteinhartConstants{1e-3, 2e-4, 0.0}));
    EXPECT_FALSE(SteinhartConstantsComputed(SteinhartConstants{0.0, 2e-4, 8e-8}));
    EXPECT_TRUE(SteinhartConstantsComputed(SteinhartConstants{-1e-3, 2e-4, 8e-8}));
}

TEST(SteinhartTest, CalibrationPointsComeBack)
{
    const SteinhartConstants k = SteinhartConstantsOf(kDatasheet);
    struct Case {
        double resistance;
        const char *kelvin;
        const char *celsius;
    };
    for (const Case &c :
         {Case{1103073.0, "    253.15", "    -20.00"}, Case{183079.0, "    285.65", "     12.50"},
          Case{41316.1, "    318.15", "     45.00"}}) {
        const double kelvin = SteinhartKelvin(k, c.resistance);
        EXPECT_EQ(Format("%10.2f", {static_cast<long double>(kelvin)}, '.'), c.kelvin);
        EXPECT_EQ(Format("%10.2f", {KelvinToCelsius(kelvin)}, '.'), c.celsius);
    }
    const double kelvin = SteinhartKelvin(k, 183079.0);
    EXPECT_EQ(Format("res = %f temp K = %f temp C = %f",
                     {183079.0L, static_cast<long double>(kelvin), KelvinToCelsius(kelvin)}, ','),
              "res = 183079,00 temp K = 285,65 temp C = 12,50");
}

TEST(SteinhartTest, CelsiusKeepsTheExtendedConstant)
{
    // 273.15 as an extended constant differs from the double 273.15: the difference shows.
    EXPECT_EQ(KelvinToCelsius(273.15), static_cast<long double>(273.15) - 273.15L);
    EXPECT_NE(KelvinToCelsius(273.15), 0.0L);
    EXPECT_EQ(Format("%10.2f", {KelvinToCelsius(273.15)}, ','), "      0,00");
}

TEST(SteinhartFaults, EqualResistancesDivideByZero)
{
    SteinhartPoints p = kDatasheet;
    p.r2 = p.r1;
    ExpectFault([&] { SteinhartConstantsOf(p); }, kFloatDivByZero);
    p = kDatasheet;
    p.r3 = p.r1;
    ExpectFault([&] { SteinhartConstantsOf(p); }, kFloatDivByZero);
    p = kDatasheet;
    p.r3 = p.r2;
    ExpectFault([&] { SteinhartConstantsOf(p); }, kFloatDivByZero);
}

TEST(SteinhartFaults, EqualPointsAreZeroOverZero)
{
    SteinhartPoints p = kDatasheet;
    p.t2 = p.t1;
    p.r2 = p.r1;
    ExpectFault([&] { SteinhartConstantsOf(p); }, kFloatInvalidOp);
}

TEST(SteinhartFaults, NegativeResistanceHasNoLogarithm)
{
    SteinhartPoints p = kDatasheet;
    p.r3 = -41316.1;
    ExpectFault([&] { SteinhartTermsOf(p); }, kFloatInvalidOp);
}

TEST(SteinhartFaults, HalfOhmFailsAfterC)
{
    // ln 0.5 is negative: C still forms, the square of the first logarithm does not.
    SteinhartPoints p = kDatasheet;
    p.r1 = 0.5;
    const SteinhartTerms terms = SteinhartTermsOf(p);
    const double c = SteinhartCOf(terms);
    ExpectFault([&] { SteinhartBOf(terms, c); }, kFloatInvalidOp);
    ExpectFault([&] { SteinhartConstantsOf(p); }, kFloatInvalidOp);
}

TEST(SteinhartFaults, OneOhmSquaresZero)
{
    SteinhartPoints p = kDatasheet;
    p.r2 = 1.0;
    const SteinhartTerms terms = SteinhartTermsOf(p);
    ExpectFault([&] { SteinhartBOf(terms, SteinhartCOf(terms)); }, kFloatDivByZero);
}

TEST(SteinhartFaults, LogarithmSumNotPositive)
{
    // 4 x 0.25 x 1 = 1: the logarithms add up to exactly 0.
    SteinhartPoints p{-20.0, 12.5, 45.0, 4.0, 0.25, 1.0};
    ExpectFault([&] { SteinhartCOf(SteinhartTermsOf(p)); }, kFloatDivByZero);
    p.r3 = 0.5;
    ExpectFault([&] { SteinhartCOf(SteinhartTermsOf(p)); }, kFloatInvalidOp);
}

TEST(SteinhartFaults, AbsoluteZeroIsNotAZeroKelvin)
{
    SteinhartPoints p = kDatasheet;
    p.t1 = -273.15;
    const SteinhartTerms terms = SteinhartTermsOf(p);
    EXPECT_GT(terms.y1, 1e13);
}

TEST(SteinhartFaults, TestResistanceOfOneOhmOrLess)
{
    const SteinhartConstants k = SteinhartConstantsOf(kDatasheet);
    ExpectFault([&] { SteinhartKelvin(k, 0.0); }, kFloatDivByZero);
    ExpectFault([&] { SteinhartKelvin(k, 1.0); }, kFloatDivByZero);
    ExpectFault([&] { SteinhartKelvin(k, 0.5); }, kFloatInvalidOp);
    ExpectFault([&] { SteinhartKelvin(k, -100.0); }, kFloatInvalidOp);
}

TEST(SteinhartFaults, TemperatureBeyondTheDoubleRangeOverflows)
{
    // A denominator of 1E-310 gives 1E310 kelvin, beyond the double range.
    const SteinhartConstants tiny{1e-310, 1e-320, 1e-320};
    ExpectFault([&] { SteinhartKelvin(tiny, 1.5); }, kFloatOverflow);
}

TEST(SteinhartFaults, ZeroDenominator)
{
    // ln 2 x 1 - ln 2 + 0 x (ln 2)^3 = 0.
    const SteinhartConstants k{-std::log(2.0), 1.0, 0.0};
    ExpectFault([&] { SteinhartKelvin(k, 2.0); }, kFloatDivByZero);
}

TEST(SteinhartTemperatureText, TwoDecimalsRightAlignedInTenCharacters)
{
    const struct {
        long double value;
        char separator;
        const char *text;
    } cases[] = {{298.15L, '.', "    298.15"},
                 {-20.004L, ',', "    -20,00"},
                 {0.125L, '.', "      0.13"},
                 {12345678.9L, '.', "12345678.90"}};
    for (const auto &c : cases)
        EXPECT_EQ(SteinhartTemperatureText(c.value, c.separator), c.text);
}

}  // namespace
}  // namespace zolvik
