// Reading whole and decimal numbers from field texts, and integer texts.
#include "common/number_text.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "common/errors.h"

namespace zolvik {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Length of the hexadecimal prefix at the start of `text` ("$", "x", "X", "0x", "0X"), or 0.
std::size_t HexPrefixLength(std::string_view text)
{
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X'))
        return 1;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return 2;
    return 0;
}

// Hex digits read as a 32-bit pattern; leading zeros do not count towards the eight.
std::optional<std::uint32_t> ReadHexPattern(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint32_t pattern = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || pattern > 0x0FFFFFFFu)
            return std::nullopt;
        pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
    }
    return pattern;
}

// Decimal digits as a magnitude; nullopt when a digit is missing or the value passes `limit`.
std::optional<std::uint32_t> ReadDecimalMagnitude(std::string_view digits, std::uint32_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    for (char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(magnitude);
}

// The "C" locale, so that the conversion never depends on the process locale.
locale_t ClassicLocale()
{
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text)
{
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(pos);

    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }

    if (const std::size_t prefix = HexPrefixLength(text); prefix > 0) {
        const auto pattern = ReadHexPattern(text.substr(prefix));
        if (!pattern)
            return std::nullopt;
        // A sign before a hexadecimal prefix negates the 32-bit pattern (wrapping).
        const std::uint32_t bits = negative ? 0u - *pattern : *pattern;
        return static_cast<std::int32_t>(bits);
    }

    const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    const auto magnitude = ReadDecimalMagnitude(text, limit);
    if (!magnitude)
        return std::nullopt;
    const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<std::int32_t>(bits);
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue)
{
    return ParseWholeNumber(text).value_or(defaultValue);
}

std::int32_t StrToInt(std::string_view text)
{
    if (const auto value = ParseWholeNumber(text))
        return *value;
    throw Error("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<long double> ParseDecimal(std::string_view text, char decimalSeparator)
{
    // Check the syntax and build a "C"-locale copy: sign, digits, ".", digits, "e", sign, digits.
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);

    std::string normalised;
    normalised.reserve(text.size());
    std::size_t pos = 0;
    if (text[pos] == '+' || text[pos] == '-')
        normalised += text[pos++];

    bool sawDigit = false;
    bool sawSeparator = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            sawDigit = true;
            normalised += c;
        } else if (c == decimalSeparator && sawDigit && !sawSeparator) {
            sawSeparator = true;
            normalised += '.';
        } else {
            break;
        }
    }
    if (!sawDigit)
        return std::nullopt;

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        normalised += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            normalised += text[pos++];
        bool exponentDigit = false;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            exponentDigit = true;
            normalised += text[pos];
        }
        if (!exponentDigit)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;

    // Decimals are read into doubles: the nearest double, held exactly in the long double.
    errno = 0;
    const double value = strtod_l(normalised.c_str(), nullptr, ClassicLocale());
    if (errno == ERANGE && (value == HUGE_VAL || value == -HUGE_VAL))
        return std::nullopt;
    return static_cast<long double>(value);
}

std::optional<long double> ParseDecimalEitherSeparator(std::string_view text)
{
    return ParseDecimal(text, text.find(',') != std::string_view::npos ? ',' : '.');
}

double StrToFloatDef(std::string_view text, double defaultValue, char decimalSeparator)
{
    if (const auto value = ParseDecimal(text, decimalSeparator))
        return static_cast<double>(*value);
    return defaultValue;
}

std::string IntToHex(std::int64_t value, int digits)
{
    // Values that fit 32 bits (signed or unsigned) give their 32-bit pattern; wider values
    // keep all 64 bits rather than losing their high digits.
    std::uint64_t pattern = static_cast<std::uint64_t>(value);
    if (value >= INT32_MIN && value <= static_cast<std::int64_t>(UINT32_MAX))
        pattern &= 0xFFFFFFFFu;

    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kHexDigits[pattern & 0xF]);
        pattern >>= 4;
    } while (pattern != 0);
    if (digits > static_cast<int>(text.size()))
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return text;
}

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

}  // namespace zolvik
