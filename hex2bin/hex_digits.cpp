#include "hex2bin/hex_digits.h"

#include <array>
#include <cstdio>

namespace hex2bin {
namespace {

constexpr std::uint8_t kNotHex = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeDigitTable()
{
    std::array<std::uint8_t, 256> table{};
    for (auto &entry : table)
        entry = kNotHex;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = static_cast<std::uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c)
        table[c] = static_cast<std::uint8_t>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c)
        table[c] = static_cast<std::uint8_t>(c - 'a' + 10);
    return table;
}

constexpr std::array<std::uint8_t, 256> kDigitValue = MakeDigitTable();

std::string Printable(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F)
        return std::string("'") + c + "'";
    char text[16];
    std::snprintf(text, sizeof text, "byte 0x%02X", u);
    return text;
}

}  // namespace

std::optional<std::string> BlankOrNulInside(std::string_view record)
{
    for (const char c : record) {
        if (c == ' ' || c == '\t')
            return "malformed record: a blank inside the record";
        if (c == '\0')
            return "malformed record: a NUL byte inside the record";
    }
    return std::nullopt;
}

std::optional<std::string> DecodeHexBytes(std::string_view digits, std::uint8_t *bytes,
                                          unsigned &sum)
{
    const auto *text = reinterpret_cast<const unsigned char *>(digits.data());
    const std::size_t count = digits.size() / 2;
    // Digits are worth 0 to 15, so one high bit in all of them together tells of a non-digit;
    // the loop then needs no branch, and the culprit is looked for only when there is one.
    unsigned seen = 0;
    unsigned added = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned high = kDigitValue[text[2 * i]];
        const unsigned low = kDigitValue[text[2 * i + 1]];
        seen |= high | low;
        bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
        added += bytes[i];
    }
    if (seen & 0xF0) {
        for (std::size_t i = 0; i < 2 * count; ++i)
            if (kDigitValue[text[i]] == kNotHex)
                return "malformed record: " + Printable(digits[i]) + " is not a hexadecimal digit";
    }
    sum += added;
    return std::nullopt;
}

std::string CutLineFault(std::string_view line, char marker, std::size_t longest)
{
    if (line.empty() || line.front() != marker)
        return std::string("malformed record: it does not start with '") + marker + "'";
    if (auto inside = BlankOrNulInside(line))
        return *inside;
    return "malformed record: longer than " + std::to_string(longest) + " characters";
}

}  // namespace hex2bin
