#include "tools/lcd_array_parse.h"

#include <vector>

namespace zolvik {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(kBlanks) + 1 - begin);
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

LcdArrayReading Failure(std::string error)
{
    return {std::nullopt, {}, std::move(error)};
}

// The digits' value in the base; nothing for no digits, a foreign digit or a value over 255.
std::optional<int> DigitsValue(std::string_view digits, int base)
{
    if (digits.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        if (digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > 255)
            return 256;
    }
    return value;
}

std::optional<int> RowValue(std::string_view item)
{
    if (item.size() > 2 && item[0] == '0' && (item[1] == 'b' || item[1] == 'B'))
        return DigitsValue(item.substr(2), 2);
    if (item.size() > 2 && item[0] == '0' && (item[1] == 'x' || item[1] == 'X'))
        return DigitsValue(item.substr(2), 16);
    return DigitsValue(item, 10);
}

// "TYPE... NAME[8] =" before the brace, or nothing for a bare braced list: the name, or what
// is wrong.
LcdArrayReading ReadWrapper(std::string_view prefix)
{
    const std::string_view expected = "Expected \"u8 name[8] = {\" before the values";
    prefix = Trimmed(prefix);
    if (prefix.empty())
        return {};
    if (prefix.empty() || prefix.back() != '=')
        return Failure(std::string(expected));
    prefix = Trimmed(prefix.substr(0, prefix.size() - 1));
    const std::size_t open = prefix.rfind('[');
    if (prefix.empty() || prefix.back() != ']' || open == std::string_view::npos)
        return Failure(std::string(expected));
    const std::string_view size = Trimmed(prefix.substr(open + 1, prefix.size() - open - 2));
    if (size != "8")
        return Failure("The array must have 8 rows, not " + Quoted(size));
    const std::string_view declaration = Trimmed(prefix.substr(0, open));
    const std::size_t blank = declaration.find_last_of(kBlanks);
    if (blank == std::string_view::npos)
        return Failure(std::string(expected));
    return {std::nullopt, std::string(declaration.substr(blank + 1)), {}};
}

}  // namespace

LcdArrayReading ReadLcdArrayText(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty())
        return Failure("The text is empty");
    std::string name;
    std::string_view list = text;
    const std::size_t brace = text.find('{');
    if (brace != std::string_view::npos) {
        LcdArrayReading wrapper = ReadWrapper(text.substr(0, brace));
        if (!wrapper.error.empty())
            return wrapper;
        name = std::move(wrapper.name);
        const std::size_t close = text.find('}', brace);
        if (close == std::string_view::npos)
            return Failure("Missing \"}\" after the values");
        const std::string_view after = Trimmed(text.substr(close + 1));
        if (!after.empty() && after != ";")
            return Failure("Unexpected text after \"}\": " + Quoted(after));
        list = text.substr(brace + 1, close - brace - 1);
    } else if (text.find('}') != std::string_view::npos) {
        return Failure("Missing \"{\" before the values");
    }

    std::vector<std::string_view> items;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        items.push_back(
            Trimmed(list.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (items.size() == kLcdRows + 1 && items.back().empty())
        items.pop_back();  // a trailing comma, as C allows
    if (items.size() != kLcdRows)
        return Failure("Expected 8 values, found " + std::to_string(items.size()));

    LcdRowBytes rows{};
    for (std::size_t r = 0; r < items.size(); ++r) {
        const std::string row = "Value " + std::to_string(r + 1);
        if (items[r].empty())
            return Failure(row + " is empty");
        const std::optional<int> value = RowValue(items[r]);
        if (!value)
            return Failure(row +
                           " is not a binary, hexadecimal or decimal number: " + Quoted(items[r]));
        if (*value > 31)
            return Failure(row + " is over 31, wider than 5 pixels: " + Quoted(items[r]));
        rows[r] = static_cast<std::uint8_t>(*value);
    }
    return {rows, std::move(name), {}};
}

LcdCharTable LcdCharFromRowBytes(const LcdRowBytes &rows)
{
    LcdCharTable pixels{};
    for (int r = 0; r < kLcdRows; ++r)
        for (int c = 0; c < kLcdColumns; ++c)
            pixels[LcdIndex(c, r)] = (rows[r] >> (kLcdColumns - 1 - c)) & 1;
    return pixels;
}

}  // namespace zolvik
