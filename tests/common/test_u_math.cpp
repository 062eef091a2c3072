#include "common/u_math.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

void ExpectError(long double base, long double exponent, const char *message)
{
    try {
        PowerOf(base, exponent);
        FAIL() << "no error for " << static_cast<double>(base) << " ^ "
               << static_cast<double>(exponent);
    } catch (const Error &error) {
        EXPECT_STREQ(error.what(), message);
    }
}

TEST(PowerOf, WholePowersWithinExtendedPrecision)
{
    const long double ulp = std::numeric_limits<long double>::epsilon();
    EXPECT_NEAR(static_cast<double>(PowerOf(2.0L, 10.0L) / 1024.0L), 1.0,
                static_cast<double>(8 * ulp));
    EXPECT_NEAR(static_cast<double>(PowerOf(3.0L, 2.0L) / 9.0L), 1.0, static_cast<double>(8 * ulp));
    EXPECT_NEAR(static_cast<double>(PowerOf(10.0L, -3.0L) / 0.001L), 1.0,
                static_cast<double>(8 * ulp));
}

TEST(PowerOf, MatchesExpOfScaledLogarithm)
{
    // The Steinhart-Hart uses: squares, cubes and the reciprocal of logarithm sums.
    for (long double base : {0.5L, 1.0L, 7.25L, 13.9L, 40.0L}) {
        for (long double exponent : {-1.0L, 0.0L, 0.5L, 2.0L, 3.0L}) {
            EXPECT_EQ(PowerOf(base, exponent), std::exp(exponent * std::log(base)));
        }
    }
    EXPECT_EQ(PowerOf(1.0L, 1e4000L), 1.0L);
    EXPECT_EQ(PowerOf(5.0L, 0.0L), 1.0L);
}

TEST(PowerOf, ZeroBaseIsDivisionByZero)
{
    ExpectError(0.0L, 2.0L, "Floating point division by zero");
    ExpectError(-0.0L, 1.0L, "Floating point division by zero");
    ExpectError(0.0L, 0.0L, "Floating point division by zero");
}

TEST(PowerOf, NegativeBaseIsInvalidEvenForWholeExponents)
{
    ExpectError(-2.0L, 3.0L, "Invalid floating point operation");
    ExpectError(-1.0L, 2.0L, "Invalid floating point operation");
    ExpectError(-0.5L, 0.5L, "Invalid floating point operation");
}

TEST(PowerOf, NotANumberIsInvalid)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    ExpectError(nan, 2.0L, "Invalid floating point operation");
    ExpectError(2.0L, nan, "Invalid floating point operation");
    ExpectError(inf, 0.0L, "Invalid floating point operation");
}

TEST(PowerOf, ResultBeyondExtendedRangeOverflows)
{
    ExpectError(10.0L, 5000.0L, "Floating point overflow");
    ExpectError(2.0L, 16384.0L, "Floating point overflow");
    ExpectError(std::numeric_limits<long double>::infinity(), 1.0L, "Floating point overflow");
    // Beyond the double range but inside the extended one is fine.
    EXPECT_GT(PowerOf(10.0L, 400.0L), 1e399L);
    // A tiny result is no fault.
    EXPECT_EQ(PowerOf(10.0L, -6000.0L), 0.0L);
}

}  // namespace
}  // namespace zolvik
