#pragma once
// Steinhart-Hart thermistor arithmetic: 1/T = A + B ln R + C (ln R)^3, T in kelvin.
// Three calibration points give the constants A, B, C; the constants and a resistance give a
// temperature back. Every step is evaluated in extended precision and stored as a double, and
// a floating-point fault (division by zero, invalid operation, overflow) throws zolvik::Error
// with the fault's message instead of producing an infinity or NaN.
#include <string>
#include <string_view>

namespace zolvik {

// What the page reads an unreadable field as; the checks recognise the field by these values.
inline constexpr double kUnreadableTemperature = 10000.0;
inline constexpr double kUnreadableResistance = 0.0;
inline constexpr double kUnreadableTestResistance = -1.0;

// What the page says of points it cannot use, of a test before any calculation, and of a test
// resistance it cannot read (UTF-8).
inline constexpr const char *kSteinhartPointsInvalid =
    "H\u00e1 valores na temperatura ou resistecia que \u00e9 inv\u00e1lido";
inline constexpr const char *kSteinhartNotCalculated =
    "Ainda n\u00e3o foi calculado os valores das constantes";
inline constexpr const char *kSteinhartResistanceInvalid =
    "Valor da resistencia do termistor \u00e9 inv\u00e1lido";

// 0 degrees Celsius in kelvin, as an extended-precision constant.
inline constexpr long double kZeroCelsiusInKelvin = 273.15L;

// A field's text after FixDecimalSeparator, and its decimal reading (the default when the
// text is not a number).
struct DecimalField {
    std::string text;
    double value = 0.0;
};
DecimalField ReadDecimalField(std::string_view text, double defaultValue, char decimalSeparator);

// Temperatures in degrees Celsius, resistances in ohms.
struct SteinhartPoints {
    double t1 = 0.0, t2 = 0.0, t3 = 0.0;
    double r1 = 0.0, r2 = 0.0, r3 = 0.0;
};

// False when a temperature is exactly the unreadable marker or a resistance exactly 0.
bool SteinhartPointsUsable(const SteinhartPoints &points);

// The terms every constant is built from: the three logarithms, the reciprocal of the first
// temperature in kelvin, and the slopes G2 and H.
struct SteinhartTerms {
    double l1 = 0.0, l2 = 0.0, l3 = 0.0;
    double y1 = 0.0;
    double g2 = 0.0;
    double h = 0.0;
};
SteinhartTerms SteinhartTermsOf(const SteinhartPoints &points);

// The constants one at a time, in the order they are stored: C, then B, then A.
double SteinhartCOf(const SteinhartTerms &terms);
double SteinhartBOf(const SteinhartTerms &terms, double c);
double SteinhartAOf(const SteinhartTerms &terms, double c, double b);

struct SteinhartConstants {
    double a = 0.0, b = 0.0, c = 0.0;
};
SteinhartConstants SteinhartConstantsOf(const SteinhartPoints &points);

// False while any constant is 0.0: they have not been computed yet.
bool SteinhartConstantsComputed(const SteinhartConstants &constants);

// The temperature in kelvin for a resistance in ohms.
double SteinhartKelvin(const SteinhartConstants &constants, double resistance);

// Kelvin to degrees Celsius, kept in extended precision.
long double KelvinToCelsius(double kelvin);

// A tested temperature as the page shows it: two decimals, right-aligned in ten characters.
std::string SteinhartTemperatureText(long double temperature, char decimalSeparator);

}  // namespace zolvik
