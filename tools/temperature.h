#pragma once
// Temperature conversion between Celsius, Fahrenheit and kelvin, computed in extended
// precision with the constants 273.15 and 1.8.
#include <string>
#include <string_view>
#include <utility>

namespace zolvik {

enum class TemperatureScale { Celsius, Fahrenheit, Kelvin };

// The value in the two other scales, in this order: Celsius gives Fahrenheit and kelvin,
// Fahrenheit gives Celsius and kelvin, kelvin gives Celsius and Fahrenheit.
std::pair<long double, long double> ConvertTemperature(TemperatureScale source, long double value);

struct TemperatureTexts {
    std::string first;
    std::string second;
};

// Reads `text` as a decimal with the regional separator (text that is no number counts as
// 0), converts it and writes both results in fixed notation with `decimals` decimals.
TemperatureTexts ConvertTemperatureText(TemperatureScale source, std::string_view text,
                                        int decimals, char decimalSeparator);

}  // namespace zolvik
