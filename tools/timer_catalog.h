#pragma once
// Real timers and every (prescaler, count) pair that gives a period: the AVR Timer0, Timer1
// and Timer2, a general 16-bit timer with any prescaler from 1 to 65536, or a custom list of
// prescalers and counter width. The counter counts `count` prescaled clock ticks per period
// (CTC mode on the AVR: compare value count - 1). All the arithmetic is exact integers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zolvik {

enum class TimerFamily { Avr0, Avr1, Avr2, General16, Custom };

struct TimerSpec {
    TimerFamily family = TimerFamily::Custom;
    std::vector<std::uint64_t> prescalers;  // ascending, each 1 .. 2^32 - 1
    int counterBits = 16;                   // 1 .. 32: counts 1 .. 2^bits
};

TimerSpec AvrTimer0();
TimerSpec AvrTimer1();
TimerSpec AvrTimer2();
TimerSpec GeneralTimer16();
// The prescalers sorted and without repeats.
TimerSpec CustomTimer(std::vector<std::uint64_t> prescalers, int counterBits);

// "avr0", "avr1", "avr2", "gp16" or "custom:P1,P2,...:BITS".
TimerSpec TimerByName(std::string_view name);

// A period of numerator / denominator seconds, both 1 .. 2^31 - 1 once reduced.
struct PeriodFraction {
    std::uint64_t numerator = 1;
    std::uint64_t denominator = 1;
};
// A decimal number with an optional unit "ns", "us", "ms" or "s" (the default): "1.5ms".
PeriodFraction ParsePeriod(std::string_view text);

struct RegisterValue {
    std::string name;
    std::uint64_t value = 0;
};

struct TimerPair {
    std::uint64_t prescaler = 1;
    std::uint64_t count = 1;
    double periodSeconds = 0.0;  // prescaler * count / clock
    double errorPpm = 0.0;       // (reached - wanted) / wanted, in parts per million
    std::vector<RegisterValue> registers;
};

// Every prescaler whose ideal count lies within 1 .. 2^bits, with each count less than one
// prescaled tick away from the period (the ideal count rounded down and up), sorted by
// absolute error, then by prescaler, then by count. Clock 1 .. 2^32 - 1 Hz. Throws when no
// pair reaches the period.
std::vector<TimerPair> TimerPairs(const TimerSpec &timer, std::uint64_t clockHz,
                                  const PeriodFraction &period);

// The texts of a pair: prescaler, count, period in seconds and error in parts per million
// (each number in its shortest exact form), then "NAME = VALUE" per register, blank-separated.
struct TimerPairTexts {
    std::string prescaler, count, period, errorPpm, registers;
};
TimerPairTexts TimerPairFields(const TimerPair &pair);

// "prescaler = P count = N period = SECONDS error_ppm = E" then "NAME = VALUE" per register.
std::string TimerPairLine(const TimerPair &pair);

}  // namespace zolvik
