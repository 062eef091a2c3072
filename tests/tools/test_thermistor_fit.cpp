#include "tools/thermistor_fit.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/thermistor_datasheet.h"
#include "common/errors.h"
#include "tools/steinhart_hart.h"
#include "tools/thermistor_table.h"

namespace zolvik {
namespace {

using Int = __int128;

Int Det3(const Int m[3][3])
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// The exact least squares of y = A + B x + C x^3 over integer points: the normal equations
// have integer entries, so Cramer's rule gives A, B, C as exact fractions.
void ExpectExactLeastSquares(const std::vector<int> &xs, const std::vector<int> &ys)
{
    Int normal[3][3] = {}, rhs[3] = {};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const Int x = xs[i];
        const Int basis[3] = {1, x, x * x * x};
        for (int r = 0; r < 3; ++r) {
            rhs[r] += basis[r] * ys[i];
            for (int c = 0; c < 3; ++c)
                normal[r][c] += basis[r] * basis[c];
        }
    }
    const Int det = Det3(normal);
    std::vector<long double> x(xs.begin(), xs.end()), y(ys.begin(), ys.end());
    const SteinhartCoefficients fit = FitCubicLog(x, y);
    const double got[3] = {fit.a, fit.b, fit.c};
    for (int k = 0; k < 3; ++k) {
        Int m[3][3];
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                m[r][c] = c == k ? rhs[r] : normal[r][c];
        const long double exact = static_cast<long double>(Det3(m)) / static_cast<long double>(det);
        EXPECT_NEAR(got[k], exact, std::fabs(exact) * 1e-15) << "coefficient " << k;
    }
}

TEST(ThermistorFit, LeastSquaresAgreesWithExactFractions)
{
    ExpectExactLeastSquares({1, 2, 3, 4, 5}, {7, -3, 2, 11, 5});
    // The spread of ln R of a real table (8 to 14) with 1/T in units of 1E-7 / K: the raw
    // columns 1, x, x^3 are nearly parallel here.
    ExpectExactLeastSquares({8, 9, 10, 11, 12, 13, 14},
                            {36570, 33541, 30940, 28650, 26603, 24757, 23080});
    ExpectExactLeastSquares({9, 11, 13}, {3000, 5, -170});  // three points: interpolation
}

TEST(ThermistorFit, ThreePointsAgreeWithThePageTo12Digits)
{
    const SteinhartPoints page{-20.0, 12.5, 45.0, 1103073.0, 183079.0, 41316.1};
    const std::vector<ThermistorPoint> points = {
        {-20.0, 1103073.0}, {12.5, 183079.0}, {45.0, 41316.1}};
    const SteinhartConstants closed = SteinhartConstantsOf(page);
    const SteinhartCoefficients fit = FitSteinhartHart(points);
    EXPECT_NEAR(fit.a, closed.a, std::fabs(closed.a) * 1e-12);
    EXPECT_NEAR(fit.b, closed.b, std::fabs(closed.b) * 1e-12);
    EXPECT_NEAR(fit.c, closed.c, std::fabs(closed.c) * 1e-12);
    // The fit passes through the points to the last digits, the closed form does not quite.
    const FitErrors errors = SteinhartErrors(fit, points);
    EXPECT_LT(errors.maxAbsolute, 1e-11);
    EXPECT_LE(errors.maxAbsolute,
              SteinhartErrors({closed.a, closed.b, closed.c}, points).maxAbsolute);
}

TEST(ThermistorFit, DatasheetTableFitsBothModels)
{
    const std::vector<ThermistorPoint> points = ParseThermistorTable(zolvik_test::kNtc10kDatasheet);
    ASSERT_EQ(points.size(), 34u);
    const ThermistorFit fit = FitThermistor(points);
    // The table was printed from these constants. Four digits of R are up to 5E-4 of it, which
    // is 0.015 K where R changes by 3 %/K (85 C).
    EXPECT_NEAR(fit.steinhart.a, 1.129148e-3, 1e-3 * 1.129148e-3);
    EXPECT_NEAR(fit.steinhart.b, 2.34125e-4, 1e-3 * 2.34125e-4);
    EXPECT_NEAR(fit.steinhart.c, 8.76741e-8, 2e-2 * 8.76741e-8);
    EXPECT_LT(fit.steinhartErrors.maxAbsolute, 0.02);
    // A Beta model cannot follow the curve over 165 K: errors of a kelvin or more.
    EXPECT_GT(fit.betaErrors.maxAbsolute, 1.0);
    EXPECT_NEAR(fit.beta.r0, 10000.0, 500.0);

    long double squares = 0.0L, largest = 0.0L;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const long double l = std::log(static_cast<long double>(points[i].ohms));
        const long double kelvin =
            1.0L / (fit.steinhart.a + fit.steinhart.b * l + fit.steinhart.c * l * l * l);
        const long double error = kelvin - (points[i].celsius + 273.15L);
        EXPECT_NEAR(fit.steinhartErrors.perPoint[i], error, 1e-9) << i;
        squares += error * error;
        largest = std::max(largest, std::fabs(error));
    }
    EXPECT_NEAR(fit.steinhartErrors.rms, std::sqrt(squares / points.size()), 1e-9);
    EXPECT_NEAR(fit.steinhartErrors.maxAbsolute, largest, 1e-9);
}

TEST(ThermistorFit, BetaRecoversItsModel)
{
    const BetaModel model{10000.0, 25.0, 3977.0};
    std::vector<ThermistorPoint> points;
    for (double t : {-20.0, 0.0, 25.0, 50.0, 85.0})
        points.push_back({t, ModelOhms(model, t)});
    for (double t0 : {25.0, 0.0}) {
        const BetaModel fit = FitBeta(points, t0);
        EXPECT_NEAR(fit.beta, 3977.0, 1e-8);
        EXPECT_NEAR(fit.r0, ModelOhms(model, t0), ModelOhms(model, t0) * 1e-12);
        EXPECT_LT(BetaErrors(fit, points).maxAbsolute, 1e-9);
    }
}

TEST(ThermistorFit, ModelsInvert)
{
    const ThermistorModel models[] = {SteinhartCoefficients{1.129148e-3, 2.34125e-4, 8.76741e-8},
                                      BetaModel{10000.0, 25.0, 3977.0}};
    for (const ThermistorModel &model : models)
        for (double t = -55.0; t <= 150.0; t += 12.5)
            EXPECT_NEAR(ModelCelsius(model, ModelOhms(model, t)), t, 1e-9) << t;
}

TEST(ThermistorFit, BadPointsAreRefused)
{
    struct Case {
        std::vector<ThermistorPoint> points;
        const char *message;
    } cases[] = {
        {{{0, 32650}, {25, 10000}},
         "A Steinhart-Hart fit needs at least 3 points; the table has 2."},
        {{{0, 32650}, {25, 10000}, {0, 30000}},
         "Point 3 repeats the temperature of an earlier point."},
        {{{0, 32650}, {25, 0}, {50, 3601}}, "Point 2: the resistance must be above 0 ohms."},
        {{{0, 32650}, {25, 10000}, {50, -3601}}, "Point 3: the resistance must be above 0 ohms."},
        {{{-273.15, 1e9}, {25, 10000}, {50, 3601}},
         "Point 1: the temperature must be above absolute zero."},
        {{{0, 10000}, {25, 10000}, {50, 3601}},
         "The points need at least 3 different resistances."},
        {{{0, NAN}, {25, 10000}, {50, 3601}}, "Point 1 is not a number."},
    };
    for (const Case &c : cases) {
        try {
            FitSteinhartHart(c.points);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const Error &error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
    EXPECT_THROW(FitBeta({{25, 10000}}), Error);
    EXPECT_THROW(FitBeta({{25, 10000}, {50, 10000}}), Error);
}

}  // namespace
}  // namespace zolvik
