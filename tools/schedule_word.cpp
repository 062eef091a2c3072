#include "tools/schedule_word.h"

#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik {

namespace {

constexpr int kStartShift = 8;
constexpr int kDurationShift = 20;
constexpr std::uint32_t kTwelveBits = 0xFFF;

}  // namespace

std::int32_t ScheduleFlagBits(const ScheduleFlags &flags)
{
    std::int32_t bits = 0;
    for (std::size_t bit = 0; bit < flags.size(); ++bit)
        if (flags[bit])
            bits |= 1 << bit;
    return bits;
}

std::int32_t EncodeScheduleWord(std::int32_t duration, std::int32_t start, std::int32_t flagBits)
{
    const std::uint32_t word = (static_cast<std::uint32_t>(duration) << kDurationShift) |
                               (static_cast<std::uint32_t>(start) << kStartShift) |
                               static_cast<std::uint32_t>(flagBits);
    return static_cast<std::int32_t>(word);
}

std::int32_t ScheduleDuration(std::int32_t word)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(word) >> kDurationShift) &
                                     kTwelveBits);
}

std::int32_t ScheduleStart(std::int32_t word)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(word) >> kStartShift) &
                                     kTwelveBits);
}

ScheduleFlags ScheduleFlagsOf(std::int32_t word)
{
    ScheduleFlags flags{};
    for (std::size_t bit = 0; bit < flags.size(); ++bit)
        flags[bit] = (static_cast<std::uint32_t>(word) >> bit) & 1u;
    return flags;
}

std::int32_t WrappingSum(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

PickerTime PickerTimeOf(std::int32_t minutes)
{
    const std::uint16_t hour = static_cast<std::uint16_t>(minutes / 60);
    const std::uint16_t minute = static_cast<std::uint16_t>(minutes % 60);
    if (hour > 23)
        return {};
    if (minute > 59)
        throw Error(kTimeEncodeError);
    return {hour, minute};
}

std::string ScheduleHexText(std::int32_t word)
{
    return "0x" + IntToHex(word, 8);
}

}  // namespace zolvik
