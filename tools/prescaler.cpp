#include "tools/prescaler.h"

#include <cmath>

namespace zolvik {

std::int64_t CounterLimit(int counterBits)
{
    return counterBits == 16 ? 65536 : 256;
}

long double PrescalerBase(std::int32_t clockHz, std::int32_t periodMs)
{
    constexpr long double kOneThousandth = 0.001L;  // slightly below 1/1000 at 64 bits
    return (static_cast<long double>(clockHz) * kOneThousandth) *
           static_cast<long double>(periodMs);
}

std::int64_t RoundCount(long double value)
{
    // The default rounding mode is to nearest, ties to even.
    return std::llrint(value);
}

PrescalerResult CalculatePrescaler(std::int32_t clockHz, std::int32_t periodMs,
                                   std::int64_t countLimit)
{
    const long double base = PrescalerBase(clockHz, periodMs);
    PrescalerResult result;
    result.prescaler = 1;
    result.count = RoundCount(base);
    while (result.count > countLimit) {
        result.prescaler *= 2;
        result.count = RoundCount(base / static_cast<long double>(result.prescaler));
    }
    result.setting = PrescalerSetting(result.prescaler);
    return result;
}

int PrescalerSetting(std::int64_t prescaler)
{
    int setting = 1;
    for (std::uint64_t power = 1; power < static_cast<std::uint64_t>(prescaler > 0 ? prescaler : 1);
         power <<= 1)
        ++setting;
    return setting;
}

}  // namespace zolvik
