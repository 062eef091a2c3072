#include "tools/c_array_text.h"

#include "tools/line_writer.h"

namespace zolvik {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

}  // namespace

bool IsCIdentifier(std::string_view name)
{
    if (name.empty() || !IsLetter(name.front()))
        return false;
    for (const char c : name)
        if (!IsLetter(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

std::string UpperCaseName(std::string_view name)
{
    std::string upper(name);
    for (char &c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

void WriteHexElements(std::ostream &stream, std::span<const std::uint8_t> bytes, int elementBytes, int perLine)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t step = static_cast<std::size_t>(elementBytes);
    const std::size_t count = (bytes.size() + step - 1) / step;
    std::string line;
    for (std::size_t i = 0; i < count; ++i) {
        line += i % static_cast<std::size_t>(perLine) == 0 ? "    0x" : " 0x";
        for (std::size_t k = step; k-- > 0;) {
            const std::size_t at = i * step + k;
            const std::uint8_t byte = at < bytes.size() ? bytes[at] : 0;
            line += kHex[byte >> 4];
            line += kHex[byte & 0x0F];
        }
        line += ',';
        if ((i + 1) % static_cast<std::size_t>(perLine) == 0 || i + 1 == count) {
            WriteLine(stream, line);
            line.clear();
        }
    }
}

}  // namespace zolvik
