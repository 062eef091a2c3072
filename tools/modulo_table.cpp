// The modulo table's lines, built straight into one buffer: a table of a million lines is a
// few tens of megabytes and is built in one pass.
#include "tools/modulo_table.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "common/errors.h"

namespace zolvik {

namespace {

constexpr std::size_t kValueWidth = 4;

std::size_t DecimalWidth(std::int32_t value)
{
    char digits[16];
    return static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr -
                                    digits);
}

void AppendInt(std::string &out, std::int32_t value, std::size_t width = 0)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const std::size_t length = static_cast<std::size_t>(result.ptr - digits);
    if (length < width)
        out.append(width - length, ' ');
    out.append(digits, length);
}

void AppendLine(std::string &out, std::int32_t value, std::int32_t modulus)
{
    AppendInt(out, value, kValueWidth);
    out += " mod ";
    AppendInt(out, modulus);
    out += " = ";
    AppendInt(out, TruncatingMod(value, modulus));
}

}  // namespace

std::int32_t TruncatingMod(std::int32_t value, std::int32_t modulus)
{
    if (modulus == 0)
        throw Error(kIntDivByZero);
    if (modulus == -1)  // also keeps -2^31 % -1 from trapping
        return 0;
    return value % modulus;  // C++ division truncates toward zero
}

std::string ModuloLine(std::int32_t value, std::int32_t modulus)
{
    std::string line;
    AppendLine(line, value, modulus);
    return line;
}

std::int64_t ModuloLineCount(std::int32_t first, std::int32_t last)
{
    if (last < first)
        return 0;
    return static_cast<std::int64_t>(last) - first + 1;
}

std::string TooManyModuloLinesMessage(std::int64_t lineCount)
{
    return "The range asks for " + std::to_string(lineCount) + " lines; at most " +
           std::to_string(kMaxModuloLines) + " lines can be listed at once";
}

std::string ModuloTable(std::int32_t first, std::int32_t last, std::int32_t modulus)
{
    const std::int64_t count = ModuloLineCount(first, last);
    if (count == 0)
        return {};
    if (count > kMaxModuloLines)
        throw Error(TooManyModuloLinesMessage(count));
    if (modulus == 0)
        throw Error(kIntDivByZero);

    // Every line is at most as long as the widest value, the modulus twice (the remainder
    // never has more digits) and the fixed text.
    const std::size_t valueWidth = std::max({kValueWidth, DecimalWidth(first), DecimalWidth(last)});
    const std::size_t longestLine = valueWidth + 5 + 2 * DecimalWidth(modulus) + 3 + 1;
    std::string table;
    table.reserve(static_cast<std::size_t>(count) * longestLine);
    for (std::int64_t i = first; i <= last; ++i) {
        if (i != first)
            table += '\n';
        AppendLine(table, static_cast<std::int32_t>(i), modulus);
    }
    return table;
}

}  // namespace zolvik
