// Formatting numbers into text: Format's specifiers, fixed and general notation.
//
// Format understands, after "%": an optional "-" (left-justify), an optional width, an
// optional "." and precision, and one of these letters (either case):
//   d  integer in signed decimal; precision = minimum digits, zero-padded
//   u  integer as unsigned (a negative 32-bit value shows its 32-bit pattern)
//   x  integer in upper-case hexadecimal (32-bit pattern); precision = minimum digits
//   s  text; precision = maximum characters taken
//   f  number in fixed notation; precision = decimals, 2 when absent
//   g  number in general notation; precision = significant digits, 15 when absent
// A "0" before the width is part of the width, not a zero-padding flag ("%04d" pads with
// blanks). Anything else after "%" (other letters, "*", argument indexes, a specifier cut
// off by the end of the format) and widths or precisions above kMaxFieldSize raise the
// format error, as does an argument of the wrong kind (an integer for %f included).
// Extra arguments are ignored. Infinities and NaN are written "INF", "-INF" and "NAN".
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik {

namespace {

constexpr int kDecomposedDigits = 18;
constexpr int kMaxFieldSize = 4096;

// A finite non-zero value as its 18 most significant decimal digits (correctly rounded)
// and the decimal exponent of the first digit: value = d.ddd... x 10^exponent.
struct DecimalForm {
    bool negative = false;
    bool zero = false;
    std::string digits;
    int exponent = 0;
};

DecimalForm Decompose(long double value)
{
    DecimalForm form;
    form.negative = std::signbit(value);
    if (value == 0.0L) {
        form.zero = true;
        form.digits.assign(kDecomposedDigits, '0');
        return form;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", kDecomposedDigits - 1, std::fabs(value));
    // buffer: "d.ddddddddddddddddde[+-]x..."
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    form.digits = text.substr(0, 1) + text.substr(2, e - 2);
    form.exponent = std::stoi(text.substr(e + 1));
    return form;
}

// Keeps the first `count` digits, rounding half away from zero on the digit after them.
// Returns true when the rounding carried into a new leading digit.
bool RoundDigits(std::string &digits, int count)
{
    if (count >= static_cast<int>(digits.size())) {
        digits.append(static_cast<std::size_t>(count) - digits.size(), '0');
        return false;
    }
    const bool roundUp = count >= 0 && digits[static_cast<std::size_t>(count)] >= '5';
    digits.resize(static_cast<std::size_t>(count < 0 ? 0 : count));
    if (!roundUp)
        return false;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

std::string NonFiniteText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string GeneralNotation(long double value, int precision, char decimalSeparator)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    DecimalForm form = Decompose(value);
    if (form.zero)
        return "0";
    if (RoundDigits(form.digits, precision)) {
        form.digits.pop_back();
        ++form.exponent;
    }
    while (form.digits.size() > 1 && form.digits.back() == '0')
        form.digits.pop_back();

    std::string text = form.negative ? "-" : "";
    const std::string &d = form.digits;
    const int e = form.exponent;
    if (e >= -4 && e < precision) {
        if (e < 0) {
            text += '0';
            text += decimalSeparator;
            text.append(static_cast<std::size_t>(-e - 1), '0');
            text += d;
        } else {
            const std::size_t whole = static_cast<std::size_t>(e) + 1;
            if (d.size() <= whole) {
                text += d;
                text.append(whole - d.size(), '0');
            } else {
                text += d.substr(0, whole);
                text += decimalSeparator;
                text += d.substr(whole);
            }
        }
        return text;
    }
    text += d[0];
    if (d.size() > 1) {
        text += decimalSeparator;
        text += d.substr(1);
    }
    text += 'E';
    text += std::to_string(e);
    return text;
}

[[noreturn]] void ThrowFormatError(std::string_view format)
{
    throw Error("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

struct Specifier {
    bool leftJustify = false;
    int width = 0;
    int precision = -1;  // -1: none given
    char kind = 0;       // lower-case letter
};

// Reads the digits at `pos` as a field size; nullopt when none or too large.
std::optional<int> ReadFieldSize(std::string_view format, std::size_t &pos)
{
    int size = 0;
    bool any = false;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        size = size * 10 + (format[pos] - '0');
        if (size > kMaxFieldSize)
            return std::nullopt;
        any = true;
        ++pos;
    }
    return any ? std::optional<int>(size) : std::nullopt;
}

// Parses the specifier after a "%" at `pos` (which is not at the end and not "%%").
Specifier ReadSpecifier(std::string_view format, std::size_t &pos)
{
    Specifier specifier;
    if (format[pos] == '-') {
        specifier.leftJustify = true;
        ++pos;
    }
    if (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        const auto width = ReadFieldSize(format, pos);
        if (!width)
            ThrowFormatError(format);
        specifier.width = *width;
    }
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        specifier.precision = 0;
        if (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
            const auto precision = ReadFieldSize(format, pos);
            if (!precision)
                ThrowFormatError(format);
            specifier.precision = *precision;
        }
    }
    if (pos >= format.size())
        ThrowFormatError(format);
    const char letter = format[pos++];
    specifier.kind =
        (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
    return specifier;
}

std::string ZeroPadDigits(std::string digits, int minimum)
{
    const bool negative = !digits.empty() && digits[0] == '-';
    const std::size_t length = digits.size() - (negative ? 1 : 0);
    if (minimum > static_cast<int>(length))
        digits.insert(negative ? 1 : 0, static_cast<std::size_t>(minimum) - length, '0');
    return digits;
}

std::uint64_t UnsignedPattern(std::int64_t value)
{
    if (value >= INT32_MIN && value < 0)
        return static_cast<std::uint32_t>(value);
    return static_cast<std::uint64_t>(value);
}

std::string ConvertArgument(const Specifier &specifier, const FormatArg &arg,
                            std::string_view format, char decimalSeparator)
{
    switch (specifier.kind) {
    case 'd':
    case 'u':
    case 'x': {
        const auto *integer = std::get_if<std::int64_t>(&arg);
        if (!integer)
            ThrowFormatError(format);
        std::string digits = specifier.kind == 'd'   ? IntToStr(*integer)
                             : specifier.kind == 'u' ? std::to_string(UnsignedPattern(*integer))
                                                     : IntToHex(*integer, 0);
        return ZeroPadDigits(std::move(digits), specifier.precision);
    }
    case 's': {
        const auto *text = std::get_if<std::string>(&arg);
        if (!text)
            ThrowFormatError(format);
        if (specifier.precision >= 0 &&
            static_cast<std::size_t>(specifier.precision) < text->size())
            return text->substr(0, static_cast<std::size_t>(specifier.precision));
        return *text;
    }
    case 'f':
    case 'g': {
        const auto *number = std::get_if<long double>(&arg);
        if (!number)
            ThrowFormatError(format);
        if (specifier.kind == 'f')
            return FormatFixed(*number, specifier.precision < 0 ? 2 : specifier.precision,
                               decimalSeparator);
        const int precision = specifier.precision < 0 ? 15 : specifier.precision;
        return GeneralNotation(*number, std::clamp(precision, 1, kDecomposedDigits),
                               decimalSeparator);
    }
    default: ThrowFormatError(format);
    }
}

}  // namespace

std::string Format(std::string_view format, std::initializer_list<FormatArg> args,
                   char decimalSeparator)
{
    std::string result;
    auto nextArg = args.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        if (percent == std::string_view::npos) {
            result += format.substr(pos);
            break;
        }
        result += format.substr(pos, percent - pos);
        pos = percent + 1;
        if (pos == format.size())
            break;  // a "%" at the very end writes nothing
        if (format[pos] == '%') {
            result += '%';
            ++pos;
            continue;
        }
        const Specifier specifier = ReadSpecifier(format, pos);
        if (nextArg == args.end())
            ThrowFormatError(format);
        std::string field = ConvertArgument(specifier, *nextArg++, format, decimalSeparator);
        if (static_cast<int>(field.size()) < specifier.width) {
            const std::size_t padding = static_cast<std::size_t>(specifier.width) - field.size();
            if (specifier.leftJustify)
                field.append(padding, ' ');
            else
                field.insert(0, padding, ' ');
        }
        result += field;
    }
    return result;
}

std::string FormatFixed(long double value, int decimals, char decimalSeparator)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    decimals = std::clamp(decimals, 0, kDecomposedDigits);
    DecimalForm form = Decompose(value);
    // Beyond 18 whole digits the 18-digit form cannot fill the places: general notation.
    if (!form.zero && form.exponent >= kDecomposedDigits)
        return GeneralNotation(value, kDecomposedDigits, decimalSeparator);

    // Shown digits: the whole part and `decimals` places, as one integer of that many units.
    std::string units = form.zero ? std::string() : form.digits;
    const int kept = form.zero ? 0 : form.exponent + 1 + decimals;
    if (kept < 0)
        units.clear();
    else
        RoundDigits(units, kept);
    const std::size_t minimumLength = static_cast<std::size_t>(decimals) + 1;
    if (units.size() < minimumLength)
        units.insert(0, minimumLength - units.size(), '0');

    const bool allZero = units.find_first_not_of('0') == std::string::npos;
    std::string text = (form.negative && !allZero) ? "-" : "";
    text += units.substr(0, units.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        text += decimalSeparator;
        text += units.substr(units.size() - static_cast<std::size_t>(decimals));
    }
    return text;
}

std::string FormatReproducible(double value)
{
    // to_chars ignores the locale.
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17).ptr;
    return std::string(text, end);
}

std::string FormatGeneral(long double value, char decimalSeparator)
{
    return GeneralNotation(value, 15, decimalSeparator);
}

}  // namespace zolvik
