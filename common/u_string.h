#pragma once
#include <cstdint>
#include <string>

namespace zolvik {

// Replaces the first "." (or, when there is none, the first ",") by the regional decimal
// separator, so a number typed with either reads with the locale's decimal reading.
std::string FixDecimalSeparator(std::string text, char decimalSeparator);

// The low bits of value as "0"/"1" text of `digits` characters, most significant first;
// zero or a negative value gives all zeros.
std::string IntToBin(std::int32_t value, int digits);

}  // namespace zolvik
