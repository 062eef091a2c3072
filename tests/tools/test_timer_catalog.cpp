#include "tools/timer_catalog.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

using Int = __int128;

struct Exhaustive {
    Int deviation;
    std::uint64_t prescaler, count;
    auto operator<=>(const Exhaustive &) const = default;
};

// Every prescaler and every count of the counter, in exact arithmetic: the pairs within one
// prescaled tick of the period, of the prescalers whose exact count fits the counter.
std::vector<Exhaustive> SearchAll(const TimerSpec &timer, std::uint64_t clock,
                                  PeriodFraction period, Int &bestOfAll)
{
    const Int wanted = Int(clock) * period.numerator;
    const std::uint64_t counts = std::uint64_t{1} << timer.counterBits;
    std::vector<Exhaustive> found;
    bestOfAll = -1;
    for (std::uint64_t p : timer.prescalers) {
        const Int tick = Int(p) * period.denominator;
        const bool fits = wanted >= tick && wanted <= tick * counts;
        for (std::uint64_t n = 1; n <= counts; ++n) {
            const Int deviation = n * tick > wanted ? n * tick - wanted : wanted - n * tick;
            if (bestOfAll < 0 || deviation < bestOfAll)
                bestOfAll = deviation;
            if (fits && deviation < tick)
                found.push_back({deviation, p, n});
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

TEST(TimerCatalog, PairsMatchAnExhaustiveSearch)
{
    const struct {
        TimerSpec timer;
        std::uint64_t clock;
        const char *period;
    } cases[] = {
        {AvrTimer0(), 16000000, "1ms"},
        {AvrTimer0(), 20000000, "1.7ms"},
        {AvrTimer2(), 8000000, "125us"},
        {AvrTimer2(), 7372800, "10ms"},
        {AvrTimer1(), 16000000, "1s"},
        {AvrTimer1(), 14745600, "333us"},
        {CustomTimer({1000, 3, 10, 3}, 12), 48000000, "0.01"},
        {CustomTimer({1}, 4), 1000, "16ms"},  // exactly the whole counter
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.period);
        const PeriodFraction period = ParsePeriod(c.period);
        Int bestOfAll = 0;
        const std::vector<Exhaustive> expected = SearchAll(c.timer, c.clock, period, bestOfAll);
        const std::vector<TimerPair> pairs = TimerPairs(c.timer, c.clock, period);
        ASSERT_EQ(pairs.size(), expected.size());
        EXPECT_EQ(expected.front().deviation, bestOfAll);  // the first pair is the best of all
        const long double wanted = static_cast<long double>(c.clock) * period.numerator;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            EXPECT_EQ(pairs[i].prescaler, expected[i].prescaler) << i;
            EXPECT_EQ(pairs[i].count, expected[i].count) << i;
            const long double deviation = static_cast<long double>(expected[i].deviation);
            EXPECT_NEAR(std::fabs(pairs[i].errorPpm), deviation / wanted * 1e6L, 1e-9) << i;
        }
    }
}

TEST(TimerCatalog, RegisterValues)
{
    EXPECT_EQ(TimerPairLine(TimerPairs(AvrTimer0(), 16000000, ParsePeriod("1ms")).front()),
              "prescaler = 64 count = 250 period = 0.001 error_ppm = 0 CS0 = 3 OCR0A = 249");
    EXPECT_EQ(TimerPairLine(TimerPairs(AvrTimer2(), 8000000, ParsePeriod("1ms")).front()),
              "prescaler = 32 count = 250 period = 0.001 error_ppm = 0 CS2 = 3 OCR2A = 249");
    EXPECT_EQ(TimerPairLine(TimerPairs(AvrTimer1(), 16000000, ParsePeriod("1s")).front()),
              "prescaler = 256 count = 62500 period = 1 error_ppm = 0 CS1 = 4 OCR1A = 62499");
    // 9 ms at 1 MHz with a 4-bit counter: 9000 / 1000 = 9 counts (exact), 9000 / 700 = 12.86.
    const std::vector<TimerPair> custom =
        TimerPairs(CustomTimer({700, 1000}, 4), 1000000, ParsePeriod("9ms"));
    ASSERT_EQ(custom.size(), 3u);
    EXPECT_EQ(TimerPairLine(custom[1]),
              "prescaler = 700 count = 13 period = 0.0091 error_ppm = 11111.111111111111 "
              "PRESCALER_INDEX = 0 TOP = 12");
}

TEST(TimerCatalog, GeneralTimerListsEveryExactDivisor)
{
    // 72 MHz, 1 ms: 72000 ticks, exact for every divisor p from 2 (72000 / 2 <= 65536) to 65536.
    const std::vector<TimerPair> pairs = TimerPairs(GeneralTimer16(), 72000000, ParsePeriod("1ms"));
    std::vector<std::uint64_t> divisors;
    for (std::uint64_t p = 2; p <= 65536; ++p)
        if (72000 % p == 0)
            divisors.push_back(p);
    for (std::size_t i = 0; i < divisors.size(); ++i) {
        EXPECT_EQ(pairs[i].prescaler, divisors[i]);
        EXPECT_EQ(pairs[i].errorPpm, 0.0);
    }
    EXPECT_NE(pairs[divisors.size()].errorPpm, 0.0);
    EXPECT_EQ(TimerPairLine(pairs.front()),
              "prescaler = 2 count = 36000 period = 0.001 error_ppm = 0 PSC = 1 ARR = 35999");
}

TEST(TimerCatalog, PeriodsAndNames)
{
    const struct {
        const char *text;
        std::uint64_t numerator, denominator;
    } periods[] = {{"1ms", 1, 1000}, {"1.5ms", 3, 2000},       {"250us", 1, 4000},
                   {"10", 10, 1},    {"0.5ns", 1, 2000000000}, {"2.50s", 5, 2}};
    for (const auto &p : periods) {
        const PeriodFraction f = ParsePeriod(p.text);
        EXPECT_EQ(std::tie(f.numerator, f.denominator), std::tie(p.numerator, p.denominator))
            << p.text;
    }
    for (const char *bad :
         {"", "ms", "1.2.3ms", "-1ms", "0s", "1e3s", "0.0000000001s", "1 ms", "1.5min"})
        EXPECT_THROW(ParsePeriod(bad), Error) << bad;

    EXPECT_EQ(TimerByName("custom:64,8,8:10").prescalers, (std::vector<std::uint64_t>{8, 64}));
    EXPECT_EQ(TimerByName("gp16").prescalers.back(), 65536u);
    for (const char *bad :
         {"avr3", "custom:1,8:", "custom::8", "custom:1,x:8", "custom:1:33", "custom:0:8"})
        EXPECT_THROW(TimerByName(bad), Error) << bad;
}

TEST(TimerCatalog, PeriodsNoPairReaches)
{
    // Timer0 at 16 MHz reaches at most 1024 x 256 / 16 MHz = 16.384 ms, and one tick is 62.5 ns.
    EXPECT_NO_THROW(TimerPairs(AvrTimer0(), 16000000, ParsePeriod("16.384ms")));
    EXPECT_THROW(TimerPairs(AvrTimer0(), 16000000, ParsePeriod("16.385ms")), Error);
    EXPECT_THROW(TimerPairs(AvrTimer0(), 16000000, ParsePeriod("62ns")), Error);
    EXPECT_THROW(TimerPairs(AvrTimer0(), 0, ParsePeriod("1ms")), Error);
}

}  // namespace
}  // namespace zolvik
