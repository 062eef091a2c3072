#include "tools/temperature.h"

#include "common/number_text.h"

namespace zolvik {

namespace {
constexpr long double kKelvinOffset = 273.15L;
constexpr long double kFahrenheitPerKelvin = 1.8L;
constexpr long double kFahrenheitZero = 32.0L;
}  // namespace

std::pair<long double, long double> ConvertTemperature(TemperatureScale source, long double value)
{
    switch (source) {
    case TemperatureScale::Celsius:
        return {value * kFahrenheitPerKelvin + kFahrenheitZero, value + kKelvinOffset};
    case TemperatureScale::Fahrenheit:
        return {(value - kFahrenheitZero) / kFahrenheitPerKelvin,
                (value - kFahrenheitZero) / kFahrenheitPerKelvin + kKelvinOffset};
    case TemperatureScale::Kelvin:
    default:
        return {value - kKelvinOffset,
                (value - kKelvinOffset) * kFahrenheitPerKelvin + kFahrenheitZero};
    }
}

TemperatureTexts ConvertTemperatureText(TemperatureScale source, std::string_view text,
                                        int decimals, char decimalSeparator)
{
    // The typed value is a double; only the arithmetic after it is extended.
    const double typed = StrToFloatDef(text, 0.0, decimalSeparator);
    const auto [first, second] = ConvertTemperature(source, typed);
    return {FormatFixed(first, decimals, decimalSeparator),
            FormatFixed(second, decimals, decimalSeparator)};
}

}  // namespace zolvik
