#include "tools/thermistor_fit.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <set>
#include <string>

#include "common/errors.h"
#include "tools/steinhart_hart.h"

namespace zolvik {

namespace {

// Compared as written, so that -273.15 itself is refused.
constexpr double kAbsoluteZeroCelsius = -273.15;

std::string PointName(std::size_t index)
{
    return "Point " + std::to_string(index + 1);
}

void CheckPoints(const std::vector<ThermistorPoint> &points, std::size_t atLeast, const char *fit)
{
    if (points.size() < atLeast)
        throw Error(std::string("A ") + fit + " fit needs at least " + std::to_string(atLeast) +
                    " points; the table has " + std::to_string(points.size()) + ".");
    std::set<double> temperatures;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ThermistorPoint &p = points[i];
        if (!std::isfinite(p.celsius) || !std::isfinite(p.ohms))
            throw Error(PointName(i) + " is not a number.");
        if (!(p.ohms > 0.0))
            throw Error(PointName(i) + ": the resistance must be above 0 ohms.");
        if (!(p.celsius > kAbsoluteZeroCelsius))
            throw Error(PointName(i) + ": the temperature must be above absolute zero.");
        if (!temperatures.insert(p.celsius).second)
            throw Error(PointName(i) + " repeats the temperature of an earlier point.");
    }
}

void CheckDistinct(const std::vector<long double> &x, std::size_t atLeast)
{
    if (std::set<long double>(x.begin(), x.end()).size() < atLeast)
        throw Error("The points need at least " + std::to_string(atLeast) +
                    " different resistances.");
}

long double InverseKelvin(double celsius)
{
    return 1.0L / (celsius + kZeroCelsiusInKelvin);
}

struct LogTable {
    std::vector<long double> x, y;
};

LogTable LogTableOf(const std::vector<ThermistorPoint> &points)
{
    LogTable table;
    for (const ThermistorPoint &p : points) {
        table.x.push_back(std::log(static_cast<long double>(p.ohms)));
        table.y.push_back(InverseKelvin(p.celsius));
    }
    return table;
}

long double Mean(const std::vector<long double> &values)
{
    long double sum = 0.0L;
    for (long double v : values)
        sum += v;
    return sum / static_cast<long double>(values.size());
}

long double Spread(const std::vector<long double> &values, long double mean)
{
    long double sum = 0.0L;
    for (long double v : values)
        sum += (v - mean) * (v - mean);
    return std::sqrt(sum / static_cast<long double>(values.size()));
}

constexpr std::size_t kTerms = 3;
using Row = std::array<long double, kTerms>;

// Least squares of rows * coefficients = rhs by Householder reflections; throws when the
// columns are (numerically) dependent.
Row SolveLeastSquares(std::vector<Row> rows, std::vector<long double> rhs)
{
    const std::size_t n = rows.size();
    Row diagonal{};
    for (std::size_t k = 0; k < kTerms; ++k) {
        long double norm = 0.0L;
        for (std::size_t i = k; i < n; ++i)
            norm += rows[i][k] * rows[i][k];
        norm = std::sqrt(norm);
        const long double alpha = rows[k][k] > 0.0L ? -norm : norm;
        std::vector<long double> v(n, 0.0L);
        for (std::size_t i = k; i < n; ++i)
            v[i] = rows[i][k];
        v[k] -= alpha;
        long double vv = 0.0L;
        for (std::size_t i = k; i < n; ++i)
            vv += v[i] * v[i];
        if (norm == 0.0L || vv == 0.0L)
            throw Error("The points do not determine the Steinhart-Hart coefficients.");
        auto reflect = [&](auto element) {
            long double w = 0.0L;
            for (std::size_t i = k; i < n; ++i)
                w += v[i] * element(i);
            const long double factor = 2.0L * w / vv;
            for (std::size_t i = k; i < n; ++i)
                element(i) -= factor * v[i];
        };
        for (std::size_t j = k + 1; j < kTerms; ++j)
            reflect([&](std::size_t i) -> long double & { return rows[i][j]; });
        reflect([&](std::size_t i) -> long double & { return rhs[i]; });
        diagonal[k] = alpha;
    }
    // Columns are of unit order after scaling, so a vanishing diagonal means dependence.
    for (std::size_t k = 0; k < kTerms; ++k)
        if (std::fabs(diagonal[k]) < 1e-12L)
            throw Error("The points do not determine the Steinhart-Hart coefficients.");
    Row solution{};
    for (std::size_t k = kTerms; k-- > 0;) {
        long double sum = rhs[k];
        for (std::size_t j = k + 1; j < kTerms; ++j)
            sum -= rows[k][j] * solution[j];
        solution[k] = sum / diagonal[k];
    }
    return solution;
}

FitErrors ErrorsOf(const std::vector<ThermistorPoint> &points, auto modelCelsius)
{
    FitErrors errors;
    long double squares = 0.0L;
    for (const ThermistorPoint &p : points) {
        const double error = static_cast<double>(static_cast<long double>(modelCelsius(p.ohms)) -
                                                 static_cast<long double>(p.celsius));
        errors.perPoint.push_back(error);
        errors.maxAbsolute = std::fmax(errors.maxAbsolute, std::fabs(error));
        squares += static_cast<long double>(error) * error;
    }
    if (!points.empty())
        errors.rms =
            static_cast<double>(std::sqrt(squares / static_cast<long double>(points.size())));
    return errors;
}

}  // namespace

SteinhartCoefficients FitCubicLog(const std::vector<long double> &x,
                                  const std::vector<long double> &y)
{
    if (x.size() != y.size() || x.size() < kTerms)
        throw Error("A Steinhart-Hart fit needs at least 3 points; the table has " +
                    std::to_string(std::min(x.size(), y.size())) + ".");
    CheckDistinct(x, kTerms);
    // With x = m + s u:  A + B x + C x^3 = a0 + a1 u + a2 (u^3 + 3 (m/s) u^2), where
    // C = a2 / s^3, B = a1 / s - 3 C m^2 and A = a0 - B m - C m^3. The columns 1, u and
    // that cubic are far from parallel, unlike 1, ln R and (ln R)^3.
    const long double m = Mean(x);
    const long double s = Spread(x, m);
    const long double shift = 3.0L * m / s;
    std::vector<Row> rows;
    for (long double xi : x) {
        const long double u = (xi - m) / s;
        rows.push_back({1.0L, u, u * u * (u + shift)});
    }
    const Row a = SolveLeastSquares(std::move(rows), y);
    const long double c = a[2] / (s * s * s);
    const long double b = a[1] / s - 3.0L * c * m * m;
    const long double constant = a[0] - b * m - c * m * m * m;
    return {static_cast<double>(constant), static_cast<double>(b), static_cast<double>(c)};
}

SteinhartCoefficients FitSteinhartHart(const std::vector<ThermistorPoint> &points)
{
    CheckPoints(points, kTerms, "Steinhart-Hart");
    const LogTable table = LogTableOf(points);
    return FitCubicLog(table.x, table.y);
}

BetaModel FitBeta(const std::vector<ThermistorPoint> &points, double t0Celsius)
{
    CheckPoints(points, 2, "Beta");
    if (!(t0Celsius > kAbsoluteZeroCelsius))
        throw Error("The reference temperature must be above absolute zero.");
    const LogTable table = LogTableOf(points);
    CheckDistinct(table.x, 2);
    // The straight line 1/T = a + slope ln R, its slope being 1/B.
    const long double mx = Mean(table.x);
    const long double my = Mean(table.y);
    long double sxy = 0.0L, sxx = 0.0L;
    for (std::size_t i = 0; i < table.x.size(); ++i) {
        sxy += (table.x[i] - mx) * (table.y[i] - my);
        sxx += (table.x[i] - mx) * (table.x[i] - mx);
    }
    const long double slope = sxy / sxx;
    if (slope == 0.0L)
        throw Error("The resistance does not change with temperature.");
    // ln R0 is where the line reaches 1/T0.
    const long double lnR0 = mx + (InverseKelvin(t0Celsius) - my) / slope;
    BetaModel model;
    model.r0 = static_cast<double>(std::exp(lnR0));
    model.t0Celsius = t0Celsius;
    model.beta = static_cast<double>(1.0L / slope);
    return model;
}

double SteinhartCelsius(const SteinhartCoefficients &k, double ohms)
{
    const long double l = std::log(static_cast<long double>(ohms));
    return static_cast<double>(1.0L / (k.a + k.b * l + k.c * l * l * l) - kZeroCelsiusInKelvin);
}

double BetaCelsius(const BetaModel &model, double ohms)
{
    const long double inverse = InverseKelvin(model.t0Celsius) +
                                std::log(static_cast<long double>(ohms) / model.r0) / model.beta;
    return static_cast<double>(1.0L / inverse - kZeroCelsiusInKelvin);
}

double ModelCelsius(const ThermistorModel &model, double ohms)
{
    if (const auto *beta = std::get_if<BetaModel>(&model))
        return BetaCelsius(*beta, ohms);
    return SteinhartCelsius(std::get<SteinhartCoefficients>(model), ohms);
}

double ModelOhms(const ThermistorModel &model, double celsius)
{
    const long double y = InverseKelvin(celsius);
    if (const auto *beta = std::get_if<BetaModel>(&model))
        return static_cast<double>(beta->r0 *
                                   std::exp(beta->beta * (y - InverseKelvin(beta->t0Celsius))));
    const SteinhartCoefficients &k = std::get<SteinhartCoefficients>(model);
    // ln R solves C l^3 + B l + (A - y) = 0: Cardano's root where it is the only real one,
    // the straight line otherwise, then Newton steps to the last digits.
    const long double a = k.a, b = k.b, c = k.c;
    long double l = (y - a) / b;
    if (c != 0.0L) {
        const long double p = b / c, q = (a - y) / c;
        const long double discriminant = q * q / 4.0L + p * p * p / 27.0L;
        if (discriminant >= 0.0L) {
            const long double root = std::sqrt(discriminant);
            l = std::cbrt(-q / 2.0L + root) + std::cbrt(-q / 2.0L - root);
        }
    }
    for (int step = 0; step < 4; ++step)
        l -= (a + b * l + c * l * l * l - y) / (b + 3.0L * c * l * l);
    return static_cast<double>(std::exp(l));
}

FitErrors SteinhartErrors(const SteinhartCoefficients &k,
                          const std::vector<ThermistorPoint> &points)
{
    return ErrorsOf(points, [&](double ohms) { return SteinhartCelsius(k, ohms); });
}

FitErrors BetaErrors(const BetaModel &model, const std::vector<ThermistorPoint> &points)
{
    return ErrorsOf(points, [&](double ohms) { return BetaCelsius(model, ohms); });
}

void CheckBetaModel(const BetaModel &model)
{
    if (!(model.r0 > 0.0) || !std::isfinite(model.r0))
        throw Error("R0 must be above 0 ohms");
    if (!(model.t0Celsius > -273.15) || !std::isfinite(model.t0Celsius))
        throw Error("T0 must be above absolute zero");
    if (!(model.beta > 0.0) || !std::isfinite(model.beta))
        throw Error("B must be above 0 kelvin");
}

std::vector<ThermistorPoint> SampleBetaModel(const BetaModel &model)
{
    std::vector<ThermistorPoint> points;
    const int steps =
        static_cast<int>(std::lround((kBetaRangeHigh - kBetaRangeLow) / kBetaSampleStep));
    for (int i = 0; i <= steps; ++i) {
        const double celsius = kBetaRangeLow + i * kBetaSampleStep;
        points.push_back({celsius, ModelOhms(model, celsius)});
    }
    return points;
}

ThermistorFit FitThermistor(const std::vector<ThermistorPoint> &points)
{
    ThermistorFit fit;
    fit.steinhart = FitSteinhartHart(points);
    fit.steinhartErrors = SteinhartErrors(fit.steinhart, points);
    fit.beta = FitBeta(points);
    fit.betaErrors = BetaErrors(fit.beta, points);
    return fit;
}

}  // namespace zolvik
