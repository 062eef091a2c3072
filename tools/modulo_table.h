#pragma once
// The modulo table: one line "%4d mod %d = %d" per integer of a range, with the remainder
// that truncates toward zero (it takes the sign of the dividend).
#include <cstdint>
#include <string>

namespace zolvik {

// The most lines one click may list; a wider range is refused before anything is built.
inline constexpr std::int64_t kMaxModuloLines = 1000000;

// Remainder of `value` divided by `modulus`, truncating: -7 mod 3 = -1, 7 mod -3 = 1.
// A modulus of 0 throws Error(kIntDivByZero). The one quotient that does not fit 32 bits,
// -2^31 by -1, leaves no remainder: 0.
std::int32_t TruncatingMod(std::int32_t value, std::int32_t modulus);

// "%4d mod %d = %d" with value, modulus and their remainder: the value right-aligned with
// blanks to at least four characters, the other numbers unpadded.
std::string ModuloLine(std::int32_t value, std::int32_t modulus);

// How many lines the range first..last (inclusive) lists: 0 when last < first.
std::int64_t ModuloLineCount(std::int32_t first, std::int32_t last);

// The whole table for first..last, ascending, lines separated by "\n" (none after the
// last); empty when last < first. Throws Error(kIntDivByZero) for a modulus of 0 when the
// range is not empty, and Error(TooManyModuloLinesMessage(...)) for a range of more than
// kMaxModuloLines lines, in both cases before any text is built.
std::string ModuloTable(std::int32_t first, std::int32_t last, std::int32_t modulus);

// The refusal of a range wider than kMaxModuloLines: says how many lines were asked for
// and the limit.
std::string TooManyModuloLinesMessage(std::int64_t lineCount);

}  // namespace zolvik
