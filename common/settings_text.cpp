#include "common/settings_text.h"

namespace zolvik::settings {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Length in UTF-16 units of the UTF-8 sequence led by `lead`: code points beyond U+FFFF need
// a surrogate pair. Stray continuation bytes count one each.
std::size_t Utf16Units(unsigned char lead)
{
    return lead >= 0xF0 && lead <= 0xF7 ? 2 : 1;
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

std::string_view CutToMaxLength(std::string_view text)
{
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        std::size_t end = pos + 1;
        if (lead >= 0xC0)
            while (end < text.size() && IsContinuation(static_cast<unsigned char>(text[end])))
                ++end;
        units += Utf16Units(lead);
        if (units > kMaxValueLength)
            break;
        pos = end;
    }
    return text.substr(0, pos);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b)
{
    a = TrimBlanks(a);
    b = TrimBlanks(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

LineInfo ClassifyLine(std::string_view line)
{
    LineInfo info;
    const std::string_view body = TrimBlanks(line);
    if (body.empty() || body.front() == ';' || body.front() == '#')
        return info;
    if (body.front() == '[') {
        const std::size_t close = body.find(']');
        if (close != std::string_view::npos) {
            info.kind = LineKind::Section;
            info.name = TrimBlanks(body.substr(1, close - 1));
        }
        return info;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return info;
    info.kind = LineKind::Key;
    info.name = TrimBlanks(line.substr(0, equals));
    info.valueStart = equals + 1;
    while (info.valueStart < line.size() && IsBlank(line[info.valueStart]))
        ++info.valueStart;
    return info;
}

std::string CleanValue(std::string_view raw)
{
    std::string_view value = TrimBlanks(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(CutToMaxLength(value));
}

}  // namespace zolvik::settings
