#include "tools/temperature.h"

#include <gtest/gtest.h>

namespace zolvik {
namespace {

std::pair<std::string, std::string> Convert(TemperatureScale source, const std::string &text,
                                            int decimals, char separator)
{
    const TemperatureTexts texts = ConvertTemperatureText(source, text, decimals, separator);
    return {texts.first, texts.second};
}

using Pair = std::pair<std::string, std::string>;

TEST(ConvertTemperatureText, CelsiusZero)
{
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "0", 1, '.'), (Pair{"32.0", "273.2"}));
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "0", 2, '.'), (Pair{"32.00", "273.15"}));
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "0", 1, ','), (Pair{"32,0", "273,2"}));
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "0", 2, ','), (Pair{"32,00", "273,15"}));
}

TEST(ConvertTemperatureText, CelsiusExamples)
{
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "37", 1, '.').first, "98.6");
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "37", 1, ',').first, "98,6");
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "-40", 1, '.').first, "-40.0");
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "-40", 1, ',').first, "-40,0");
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "36.6", 1, '.').first, "97.9");
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "36,6", 1, ',').first, "97,9");
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "37.8", 2, '.'), (Pair{"100.04", "310.95"}));
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "37,8", 2, ','), (Pair{"100,04", "310,95"}));
}

TEST(ConvertTemperatureText, FahrenheitExamples)
{
    EXPECT_EQ(Convert(TemperatureScale::Fahrenheit, "100", 1, '.'), (Pair{"37.8", "310.9"}));
    EXPECT_EQ(Convert(TemperatureScale::Fahrenheit, "100", 1, ','), (Pair{"37,8", "310,9"}));
    EXPECT_EQ(Convert(TemperatureScale::Fahrenheit, "0", 1, '.').first, "-17.8");
    EXPECT_EQ(Convert(TemperatureScale::Fahrenheit, "0", 1, ',').first, "-17,8");
    EXPECT_EQ(Convert(TemperatureScale::Fahrenheit, "32", 1, '.'), (Pair{"0.0", "273.2"}));
}

TEST(ConvertTemperatureText, KelvinExamples)
{
    EXPECT_EQ(Convert(TemperatureScale::Kelvin, "300", 1, '.'), (Pair{"26.9", "80.3"}));
    EXPECT_EQ(Convert(TemperatureScale::Kelvin, "300", 1, ','), (Pair{"26,9", "80,3"}));
    // The difference is a tiny negative number: it rounds to zero without a sign.
    EXPECT_EQ(Convert(TemperatureScale::Kelvin, "273.15", 1, '.'), (Pair{"0.0", "32.0"}));
    EXPECT_EQ(Convert(TemperatureScale::Kelvin, "273,15", 1, ','), (Pair{"0,0", "32,0"}));
    EXPECT_EQ(Convert(TemperatureScale::Kelvin, "273.15", 2, '.'), (Pair{"0.00", "32.00"}));
}

TEST(ConvertTemperatureText, UnreadableTextCountsAsZero)
{
    for (const char *text : {"", "-", "+", "abc", "12abc", "1.2.3"}) {
        EXPECT_EQ(Convert(TemperatureScale::Celsius, text, 1, '.'), (Pair{"32.0", "273.2"}))
            << text;
        EXPECT_EQ(Convert(TemperatureScale::Kelvin, text, 1, ','), (Pair{"-273,2", "-459,7"}))
            << text;
    }
    // With "," as separator a full stop is no separator.
    EXPECT_EQ(Convert(TemperatureScale::Celsius, "36.6", 1, ','), (Pair{"32,0", "273,2"}));
}

TEST(ConvertTemperature, ExtendedArithmetic)
{
    const auto [fahrenheit, kelvin] = ConvertTemperature(TemperatureScale::Celsius, 0.0L);
    EXPECT_EQ(fahrenheit, 32.0L);
    EXPECT_EQ(kelvin, 273.15L);
    const auto [celsius, kelvin2] = ConvertTemperature(TemperatureScale::Kelvin, 273.15);
    // 273.15 typed as a double lies below the extended constant.
    EXPECT_LT(celsius, 0.0L);
    EXPECT_GT(celsius, -1e-13L);
    EXPECT_EQ(ConvertTemperature(TemperatureScale::Fahrenheit, -40.0L).first, -40.0L);
    (void)kelvin2;
}

}  // namespace
}  // namespace zolvik
