#pragma once
// Lookup tables from ADC codes to temperatures for a thermistor in a voltage divider.
// Code k of an n-bit converter reads the ratio k / 2^n of the reference, so the divider
// resistance follows from the code alone; full scale is code 2^n - 1. Temperatures are in
// tenths of a degree Celsius, clamped to the model's range: codes whose resistance lies
// beyond the range read its ends (code 0 among them).
#include <cstdint>
#include <string>
#include <vector>

#include "tools/thermistor_fit.h"

namespace zolvik {

enum class DividerKind {
    ThermistorToGround,     // series resistor from the reference to the ADC input
    ThermistorToReference,  // series resistor from the ADC input to ground
};

struct ThermistorCircuit {
    ThermistorModel model;
    double minCelsius = -40.0;  // the range the model holds, e.g. that of the fitted points
    double maxCelsius = 125.0;
    DividerKind divider = DividerKind::ThermistorToGround;
    double seriesOhms = 10000.0;
    int adcBits = 10;  // 8..16
};

// The Steinhart-Hart curve fitted to a table of points, over the points' own range (the
// divider and converter left at their defaults); throws as FitSteinhartHart.
ThermistorCircuit CircuitOverPoints(const std::vector<ThermistorPoint> &points);

// The thermistor's resistance at a (possibly fractional) code: 0 or infinity at the ends.
double DividerOhms(DividerKind divider, double seriesOhms, double code, int adcBits);

// The model's temperature at a code, in degrees Celsius, clamped to the range.
double CircuitCelsius(const ThermistorCircuit &circuit, double code);

// Entry i holds the temperature at code i * (2^n - 1) / (entries - 1), rounded to tenths;
// a code between entries reads the straight line between them.
struct AdcTable {
    std::vector<std::int16_t> tenths;
    double maxErrorK = 0.0;  // largest |interpolated - model| over every code
    std::uint32_t worstCode = 0;
};
AdcTable MakeAdcTable(const ThermistorCircuit &circuit, int entries);

// The interpolated temperature of the equally spaced table at a code, in degrees Celsius.
double InterpolateTable(const std::vector<std::int16_t> &tenths, int adcBits, std::uint32_t code);

// `static const int16_t NAME[ENTRIES] = {...};` under a comment with the circuit, the
// model, the range and the largest interpolation error.
std::string AdcTableText(const ThermistorCircuit &circuit, const AdcTable &table,
                         const std::string &name);

// The fewest (code, temperature) knots greedy insertion finds: from the first and last
// codes, the code of the worst interpolation error is added until every code is within the
// bound, which must be above 0.05 K (the rounding to tenths alone reaches that).
struct AdcKnot {
    std::uint32_t code = 0;
    std::int16_t tenths = 0;
};
struct AdcKnots {
    std::vector<AdcKnot> knots;
    double maxErrorK = 0.0;
    std::uint32_t worstCode = 0;
};
AdcKnots MakeAdcKnots(const ThermistorCircuit &circuit, double boundK);

// The interpolated temperature between knots (sorted by code, first 0, last full scale).
double InterpolateKnots(const std::vector<AdcKnot> &knots, std::uint32_t code);

// `static const struct { uint16_t code; int16_t tenths; } NAME[N] = {...};` under the same
// kind of comment.
std::string AdcKnotsText(const ThermistorCircuit &circuit, const AdcKnots &knots,
                         const std::string &name);

}  // namespace zolvik
