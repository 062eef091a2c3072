#pragma once
// Thermistor models fitted to a table of (temperature, resistance) points: Steinhart-Hart
// (1/T = A + B ln R + C (ln R)^3) and Beta (1/T = 1/T0 + ln(R/R0) / B), T in kelvin.
// Both are linear least squares in 1/T: the fit minimises the sum over the points of
// (1/T_model(R_i) - 1/T_i)^2, every point weighted alike. Bad input throws zolvik::Error.
#include <variant>
#include <vector>

namespace zolvik {

struct ThermistorPoint {
    double celsius = 0.0;
    double ohms = 0.0;
};

struct SteinhartCoefficients {
    double a = 0.0, b = 0.0, c = 0.0;
};

// R0 ohms at T0 degrees Celsius, and B in kelvin.
struct BetaModel {
    double r0 = 0.0;
    double t0Celsius = 25.0;
    double beta = 0.0;
};

// The least-squares A, B, C of 1/T = A + B x + C x^3 for abscissae x and ordinates y (the
// same count, at least three distinct x). Solved by Householder QR in extended precision
// on x centred on its mean and scaled to unit spread, so three points are passed through.
SteinhartCoefficients FitCubicLog(const std::vector<long double> &x,
                                  const std::vector<long double> &y);

// At least three points, distinct temperatures, positive resistances, temperatures above
// absolute zero.
SteinhartCoefficients FitSteinhartHart(const std::vector<ThermistorPoint> &points);

// B and R0 at the given reference temperature; at least two points, checked as above.
BetaModel FitBeta(const std::vector<ThermistorPoint> &points, double t0Celsius = 25.0);

// The models' temperatures in degrees Celsius for a resistance in ohms (> 0).
double SteinhartCelsius(const SteinhartCoefficients &k, double ohms);
double BetaCelsius(const BetaModel &model, double ohms);

// Either model, and its temperature in degrees Celsius at a resistance (ohms > 0) and its
// resistance at a temperature (the inverse, to a few units in the last place).
using ThermistorModel = std::variant<SteinhartCoefficients, BetaModel>;
double ModelCelsius(const ThermistorModel &model, double ohms);
double ModelOhms(const ThermistorModel &model, double celsius);

// A Beta model stands for the curve over this range, sampled every kBetaSampleStep degrees:
// the points a Steinhart-Hart curve is fitted to when only a Beta model is known.
inline constexpr double kBetaRangeLow = -40.0;
inline constexpr double kBetaRangeHigh = 125.0;
inline constexpr double kBetaSampleStep = 5.0;
std::vector<ThermistorPoint> SampleBetaModel(const BetaModel &model);

// Throws Error("R0 must be above 0 ohms"), ("T0 must be above absolute zero") or
// ("B must be above 0 kelvin") for a model no thermistor has, in that order.
void CheckBetaModel(const BetaModel &model);

// Model temperature minus table temperature per point, in kelvin, with the largest absolute
// error and the root mean square over all points.
struct FitErrors {
    std::vector<double> perPoint;
    double maxAbsolute = 0.0;
    double rms = 0.0;
};
FitErrors SteinhartErrors(const SteinhartCoefficients &k,
                          const std::vector<ThermistorPoint> &points);
FitErrors BetaErrors(const BetaModel &model, const std::vector<ThermistorPoint> &points);

// Both fits and their errors; the Beta model referred to 25 degrees Celsius.
struct ThermistorFit {
    SteinhartCoefficients steinhart;
    FitErrors steinhartErrors;
    BetaModel beta;
    FitErrors betaErrors;
};
ThermistorFit FitThermistor(const std::vector<ThermistorPoint> &points);

}  // namespace zolvik
