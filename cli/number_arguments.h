#pragma once
// Numbers on the command line, read by the window's rules with a full stop as the decimal
// separator whatever the locale; text that is not a number is refused, not read as a default.
#include <cstdint>
#include <string_view>

namespace zolvik::cli {

// Any whole-number form the window reads (decimal, "$", "0x"...). Throws zolvik::Error
// "'TEXT' is not a valid integer value".
std::int32_t WholeArgument(std::string_view text);

// A whole number from `low` to `high`. Throws InputFault naming the text otherwise.
std::int32_t WholeArgumentIn(std::string_view text, std::int32_t low, std::int32_t high);

// Decimal digits only, from `low` to `high`: the range beyond 32-bit signed values. Throws
// zolvik::Error as WholeArgument for what is not a number, InputFault outside the range.
std::uint64_t UnsignedArgumentIn(std::string_view text, std::uint64_t low, std::uint64_t high);

// A decimal with a full stop. Throws zolvik::Error "'TEXT' is not a valid floating point value".
long double DecimalArgument(std::string_view text);

}  // namespace zolvik::cli
