#pragma once
// Timer prescaler: the power-of-two prescaler that brings the timer counts of one tick period
// within an 8-bit or 16-bit counter, that count, and the prescaler setting value.
#include <cstdint>

namespace zolvik {

inline constexpr std::int32_t kDefaultClockHz = 8000000;
inline constexpr std::int32_t kDefaultPeriodMs = 1;

// The largest count a counter of 8 or 16 bits accepts: 256 or 65536.
std::int64_t CounterLimit(int counterBits);

// Timer counts per period before any prescaling, (F x 0.001) x ms, in extended precision
// with 0.001 itself rounded to 64 bits.
long double PrescalerBase(std::int32_t clockHz, std::int32_t periodMs);

// Nearest integer, a tie going to the even one.
std::int64_t RoundCount(long double value);

struct PrescalerResult {
    std::int64_t prescaler = 1;
    std::int64_t count = 0;
    int setting = 1;
};

// Doubles the prescaler, each time dividing the base count afresh, while the count is above
// the limit. Counts are 64-bit, so a clock and period of 2^31 counts or more still end with
// the right prescaler and count.
PrescalerResult CalculatePrescaler(std::int32_t clockHz, std::int32_t periodMs,
                                   std::int64_t countLimit);

// The smallest S >= 1 with 2^(S-1) >= prescaler, the power taken exactly.
int PrescalerSetting(std::int64_t prescaler);

}  // namespace zolvik
