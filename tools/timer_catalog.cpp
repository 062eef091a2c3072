#include "tools/timer_catalog.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <numeric>

#include "common/errors.h"

namespace zolvik {

namespace {

constexpr std::uint64_t kLimit32 = (std::uint64_t{1} << 32) - 1;
constexpr std::uint64_t kLimit31 = (std::uint64_t{1} << 31) - 1;

// The AVR clock-select value of a prescaler is its position in the (ascending) list,
// counted from 1.
const std::vector<std::uint64_t> kAvr01Prescalers = {1, 8, 64, 256, 1024};
const std::vector<std::uint64_t> kAvr2Prescalers = {1, 8, 32, 64, 128, 256, 1024};

std::uint64_t PositionOf(const std::vector<std::uint64_t> &list, std::uint64_t value)
{
    return static_cast<std::uint64_t>(std::lower_bound(list.begin(), list.end(), value) -
                                      list.begin());
}

std::vector<RegisterValue> RegistersOf(const TimerSpec &timer, std::uint64_t prescaler,
                                       std::uint64_t count)
{
    const std::uint64_t index = PositionOf(timer.prescalers, prescaler);
    switch (timer.family) {
    case TimerFamily::Avr0: return {{"CS0", index + 1}, {"OCR0A", count - 1}};
    case TimerFamily::Avr1: return {{"CS1", index + 1}, {"OCR1A", count - 1}};
    case TimerFamily::Avr2: return {{"CS2", index + 1}, {"OCR2A", count - 1}};
    case TimerFamily::General16: return {{"PSC", prescaler - 1}, {"ARR", count - 1}};
    case TimerFamily::Custom: break;
    }
    return {{"PRESCALER_INDEX", index}, {"TOP", count - 1}};
}

std::string Shortest(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::uint64_t ReadUnsigned(std::string_view text, const char *what)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw Error(std::string("'") + std::string(text) + "' is not a valid " + what + ".");
    return value;
}

}  // namespace

TimerSpec AvrTimer0()
{
    return {TimerFamily::Avr0, kAvr01Prescalers, 8};
}

TimerSpec AvrTimer1()
{
    return {TimerFamily::Avr1, kAvr01Prescalers, 16};
}

TimerSpec AvrTimer2()
{
    return {TimerFamily::Avr2, kAvr2Prescalers, 8};
}

TimerSpec GeneralTimer16()
{
    TimerSpec timer{TimerFamily::General16, std::vector<std::uint64_t>(65536), 16};
    std::iota(timer.prescalers.begin(), timer.prescalers.end(), std::uint64_t{1});
    return timer;
}

TimerSpec CustomTimer(std::vector<std::uint64_t> prescalers, int counterBits)
{
    if (counterBits < 1 || counterBits > 32)
        throw Error("The counter width must be 1 to 32 bits.");
    if (prescalers.empty())
        throw Error("The timer needs at least one prescaler.");
    for (std::uint64_t p : prescalers)
        if (p < 1 || p > kLimit32)
            throw Error("A prescaler must be 1 to 4294967295.");
    std::sort(prescalers.begin(), prescalers.end());
    prescalers.erase(std::unique(prescalers.begin(), prescalers.end()), prescalers.end());
    return {TimerFamily::Custom, std::move(prescalers), counterBits};
}

TimerSpec TimerByName(std::string_view name)
{
    if (name == "avr0")
        return AvrTimer0();
    if (name == "avr1")
        return AvrTimer1();
    if (name == "avr2")
        return AvrTimer2();
    if (name == "gp16")
        return GeneralTimer16();
    constexpr std::string_view kCustom = "custom:";
    const std::size_t lastColon = name.rfind(':');
    if (!name.starts_with(kCustom) || lastColon < kCustom.size())
        throw Error("Unknown timer '" + std::string(name) + "'.");
    std::string_view list = name.substr(kCustom.size(), lastColon - kCustom.size());
    std::vector<std::uint64_t> prescalers;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        prescalers.push_back(ReadUnsigned(list.substr(0, comma), "prescaler"));
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    }
    const std::uint64_t bits = ReadUnsigned(name.substr(lastColon + 1), "counter width");
    return CustomTimer(std::move(prescalers), bits > 64 ? 0 : static_cast<int>(bits));
}

PeriodFraction ParsePeriod(std::string_view text)
{
    const std::string original(text);
    std::uint64_t unitScale = 1;
    for (const auto &[suffix, scale] :
         {std::pair<std::string_view, std::uint64_t>{"ns", 1000000000},
          {"us", 1000000},
          {"ms", 1000},
          {"s", 1}})
        if (text.ends_with(suffix)) {
            text.remove_suffix(suffix.size());
            unitScale = scale;
            break;
        }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const std::string digits = std::string(whole) + std::string(fraction);
    const auto bad = [&] { return Error("'" + original + "' is not a valid period."); };
    if (digits.empty() || digits.size() > 18 || fraction.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw bad();
    std::uint64_t numerator = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), numerator);
    std::uint64_t denominator = unitScale;
    for (std::size_t i = 0; i < fraction.size(); ++i)
        denominator *= 10;
    if (numerator == 0)
        throw Error("The period must be above 0.");
    const std::uint64_t common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (numerator > kLimit31 || denominator > kLimit31)
        throw Error("The period '" + original + "' has too many digits.");
    return {numerator, denominator};
}

std::vector<TimerPair> TimerPairs(const TimerSpec &timer, std::uint64_t clockHz,
                                  const PeriodFraction &period)
{
    if (clockHz < 1 || clockHz > kLimit32)
        throw Error("The clock must be 1 to 4294967295 Hz.");
    if (period.numerator < 1 || period.numerator > kLimit31 || period.denominator < 1 ||
        period.denominator > kLimit31)
        throw Error("The period is out of range.");
    // In units of 1 / (clock x denominator) seconds the period is `wanted` and a pair gives
    // prescaler x count x denominator: both below 2^63, and every count considered stays
    // within one `step` of the period, so no product overflows 64 bits.
    const std::uint64_t wanted = clockHz * period.numerator;
    const std::uint64_t maxCount = std::uint64_t{1} << timer.counterBits;
    struct Ranked {
        std::uint64_t deviation;
        TimerPair pair;
    };
    std::vector<Ranked> ranked;
    for (std::uint64_t prescaler : timer.prescalers) {
        const std::uint64_t step = prescaler * period.denominator;
        if (wanted < step || wanted / step > maxCount ||
            (wanted / step == maxCount && wanted % step != 0))
            continue;  // not even one count, or more counts than the counter holds
        const std::uint64_t below = wanted / step;
        for (std::uint64_t count : {below, below + 1}) {
            if (count > maxCount || (count == below + 1 && wanted % step == 0))
                continue;
            const std::uint64_t reached = count * step;
            TimerPair pair;
            pair.prescaler = prescaler;
            pair.count = count;
            pair.periodSeconds =
                static_cast<double>(static_cast<long double>(prescaler) * count / clockHz);
            const long double signedDeviation = reached >= wanted
                                                    ? static_cast<long double>(reached - wanted)
                                                    : -static_cast<long double>(wanted - reached);
            pair.errorPpm = static_cast<double>(signedDeviation / wanted * 1e6L);
            pair.registers = RegistersOf(timer, prescaler, count);
            ranked.push_back({reached >= wanted ? reached - wanted : wanted - reached, pair});
        }
    }
    if (ranked.empty())
        throw Error("No prescaler and count of this timer reach the period.");
    std::sort(ranked.begin(), ranked.end(), [](const Ranked &a, const Ranked &b) {
        if (a.deviation != b.deviation)
            return a.deviation < b.deviation;
        if (a.pair.prescaler != b.pair.prescaler)
            return a.pair.prescaler < b.pair.prescaler;
        return a.pair.count < b.pair.count;
    });
    std::vector<TimerPair> pairs;
    for (Ranked &r : ranked)
        pairs.push_back(std::move(r.pair));
    return pairs;
}

TimerPairTexts TimerPairFields(const TimerPair &pair)
{
    TimerPairTexts texts{std::to_string(pair.prescaler),
                         std::to_string(pair.count),
                         Shortest(pair.periodSeconds),
                         Shortest(pair.errorPpm),
                         {}};
    for (const RegisterValue &r : pair.registers)
        texts.registers +=
            (texts.registers.empty() ? "" : " ") + r.name + " = " + std::to_string(r.value);
    return texts;
}

std::string TimerPairLine(const TimerPair &pair)
{
    const TimerPairTexts texts = TimerPairFields(pair);
    std::string line = "prescaler = " + texts.prescaler + " count = " + texts.count +
                       " period = " + texts.period + " error_ppm = " + texts.errorPpm;
    if (!texts.registers.empty())
        line += " " + texts.registers;
    return line;
}

}  // namespace zolvik
