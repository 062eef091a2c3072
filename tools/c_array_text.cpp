#include "tools/c_array_text.h"

#include "tools/line_writer.h"
#include "common/number_text.h"

namespace zolvik {

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

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

void WriteHexElements(std::ostream &stream, std::span<const std::uint8_t> bytes, int elementBytes,
                      int perLine)
{
    const std::size_t step = static_cast<std::size_t>(elementBytes);
    const std::size_t count = (bytes.size() + step - 1) / step;
    std::string line;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t value = 0;
        for (std::size_t k = step; k-- > 0;) {
            const std::size_t at = i * step + k;
            value = value << 8 | (at < bytes.size() ? bytes[at] : 0);
        }
        line += i % static_cast<std::size_t>(perLine) == 0 ? "    0x" : " 0x";
        line += IntToHex(value, 2 * elementBytes);
        line += ',';
        if ((i + 1) % static_cast<std::size_t>(perLine) == 0 || i + 1 == count) {
            WriteLine(stream, line);
            line.clear();
        }
    }
}

}  // namespace zolvik
