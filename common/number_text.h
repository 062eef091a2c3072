#pragma once
// The number text rules every tool shares: reading whole and decimal numbers from field
// texts and formatting numbers back into text. Pure functions; the regional decimal
// separator is always passed in by the caller.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zolvik {

// Whole-number syntax: leading spaces, optional sign, decimal digits or a hexadecimal
// prefix ("$", "x", "X", "0x", "0X") and up to eight significant hex digits read as a
// 32-bit pattern. Nothing may follow the last digit.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// Lenient reading: the default when the text is not a whole number.
std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue);

// Strict reading: throws Error("'<text>' is not a valid integer value").
std::int32_t StrToInt(std::string_view text);

// Decimal reading with the given regional separator: blanks before and after, an optional
// sign, digits with at most one separator among or after them (not before the first
// digit), an optional exponent ("E"/"e", optional sign, digits). The result is the double
// nearest the text, held in a long double; nullopt (or the default) when the text is not a
// number or lies beyond the double range. Tiny values read as the nearest double (maybe 0).
std::optional<long double> ParseDecimal(std::string_view text, char decimalSeparator);
// The same with "," as the separator when the text holds one, else ".": a pasted number read
// whatever the locale it was written in.
std::optional<long double> ParseDecimalEitherSeparator(std::string_view text);
double StrToFloatDef(std::string_view text, double defaultValue, char decimalSeparator);

// One argument of Format: an integer, an extended-precision number or a text.
using FormatArg = std::variant<std::int64_t, long double, std::string>;

// Fills the format with the arguments: %d, %<width>d, %s, %f, %<width>.<prec>f, %%, and
// also %u, %x, %g and a "-" flag (see number_format.cpp). A "%" at the very end writes
// nothing. A specifier whose argument is missing or of the wrong kind (an integer for %f,
// a number for %d), or that is not understood, throws
// Error("Format '<format>' invalid or incompatible with argument").
std::string Format(std::string_view format, std::initializer_list<FormatArg> args,
                   char decimalSeparator);

// Fixed notation: the value's 18 most significant decimal digits rounded at the last
// decimal shown, halves away from zero, no "-0". Decimals are limited to 0..18. A value
// of more than 18 whole digits is written in general notation with 18 significant digits;
// infinities and NaN as "INF", "-INF", "NAN".
std::string FormatFixed(long double value, int decimals, char decimalSeparator);

// General notation with 15 significant digits (as used for the Steinhart-Hart constants):
// rounded to 15 digits (halves away from zero, through the 18-digit form), trailing zeros
// dropped; plain decimals when the rounded magnitude is in [0.0001, 1E15), otherwise
// "d.dddE-x" with no "+" and no leading exponent zeros. Zero is "0".
std::string FormatGeneral(long double value, char decimalSeparator);

// General notation with 17 significant digits, which read back as exactly the same double;
// always "." as the decimal separator, whatever the locale.
std::string FormatReproducible(double value);

// The value's 32-bit pattern in upper-case hex, zero-padded to at least `digits` digits.
// Values outside both the signed and the unsigned 32-bit range keep their 64-bit pattern.
std::string IntToHex(std::int64_t value, int digits);

// Signed decimal without leading zeros.
std::string IntToStr(std::int64_t value);

}  // namespace zolvik
