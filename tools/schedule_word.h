#pragma once
// The weekly schedule word: one working slot of a device packed into 32 bits.
//   bits 0..6   Sunday .. Saturday
//   bit  7      enable
//   bits 8..19  start, minutes after midnight
//   bits 20..31 duration, minutes
// The decimal form is the signed 32-bit reading of the bits.
#include <array>
#include <cstdint>
#include <string>

namespace zolvik {

// The eight flag bits in bit order: Sunday, Monday, ..., Saturday, enable.
using ScheduleFlags = std::array<bool, 8>;

inline constexpr const char *kTimeEncodeError = "Invalid argument to time encode";

// The low byte of the word: bit n set exactly when flags[n] is.
std::int32_t ScheduleFlagBits(const ScheduleFlags &flags);

// (duration << 20) | (start << 8) | flagBits in 32-bit two's complement. Nothing is masked:
// duration bits above the lowest 12 are lost, a start of 4096 or more spills into the
// duration, a negative start or duration enters as its bit pattern.
std::int32_t EncodeScheduleWord(std::int32_t duration, std::int32_t start, std::int32_t flagBits);

// Bits 20..31 and 8..19 as unsigned values 0..4095.
std::int32_t ScheduleDuration(std::int32_t word);
std::int32_t ScheduleStart(std::int32_t word);
ScheduleFlags ScheduleFlagsOf(std::int32_t word);

// The word as the page's caption shows it: "0x" and eight upper-case hex digits.
std::string ScheduleHexText(std::int32_t word);

// a + b wrapping around in 32 bits, as the end time of a slot is computed.
std::int32_t WrappingSum(std::int32_t a, std::int32_t b);

// The clock time a time picker shows for a count of minutes.
struct PickerTime {
    int hour = 0;
    int minute = 0;
    friend bool operator==(const PickerTime &, const PickerTime &) = default;
};

// hour = minutes / 60 and minute = minutes % 60 (truncating), each cut to its low 16 bits
// read as unsigned; an hour above 23 shows 00:00. A minute above 59 (a count from -59 to
// -1, or its 16-bit aliases) cannot be shown: throws Error(kTimeEncodeError).
PickerTime PickerTimeOf(std::int32_t minutes);

}  // namespace zolvik
