// The ROM table writer on any bytes with any element size, format, column size and tab
// count: parsing the table back gives the input's whole elements, little-endian, in order,
// with the line structure the layout asks for.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_check.h"
#include "tools/rom_table.h"

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    FUZZ_CHECK(start == text.size());  // every line ends in CR LF
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    zolvik::RomTableLayout layout;
    layout.elementBytes = 1 << (data[0] % 3);
    layout.format = (data[0] & 4) ? zolvik::RomFormat::Vhdl : zolvik::RomFormat::C;
    layout.columns = static_cast<std::int8_t>(data[1]) * ((data[0] & 8) ? 3 : 1);
    layout.tabs = data[2] % 5 - 1;
    const std::string_view input(reinterpret_cast<const char *>(data + 3), size - 3);

    const std::string text = zolvik::RomTableText(input, layout);
    const std::vector<std::string> lines = Lines(text);
    const bool vhdl = layout.format == zolvik::RomFormat::Vhdl;
    const std::size_t headerLines = vhdl ? 2 : 1;
    FUZZ_CHECK(lines.size() >= headerLines + 1);

    const std::size_t n = static_cast<std::size_t>(layout.elementBytes);
    const std::size_t elements = input.size() / n;
    const std::string dataIndent(layout.tabs > 0 ? static_cast<std::size_t>(layout.tabs) : 0, '\t');
    // The element counter is 8 bits wide: 0 means 256 per line, more than 255 one line.
    const std::size_t perLine = layout.columns == 0 ? 256
                                : (layout.columns < 0 || layout.columns > 255)
                                    ? SIZE_MAX
                                    : static_cast<std::size_t>(layout.columns);

    std::vector<std::uint32_t> parsed;
    for (std::size_t l = headerLines; l + 1 < lines.size(); ++l) {
        const std::string &line = lines[l];
        const std::size_t before = parsed.size();
        FUZZ_CHECK(line.compare(0, dataIndent.size(), dataIndent) == 0);
        std::size_t at = dataIndent.size();
        while (at < line.size()) {
            const std::string open = vhdl ? "x\"" : "0x";
            FUZZ_CHECK(line.compare(at, open.size(), open) == 0);
            at += open.size();
            std::uint32_t value = 0;
            for (std::size_t d = 0; d < 2 * n; ++d) {
                FUZZ_CHECK(at < line.size());
                const int digit = HexDigit(line[at++]);
                FUZZ_CHECK(digit >= 0);
                value = value << 4 | static_cast<std::uint32_t>(digit);
            }
            if (vhdl) {
                FUZZ_CHECK(line[at] == '"');
                ++at;
            }
            parsed.push_back(value);
            const bool last = parsed.size() == elements;
            if (!last) {
                FUZZ_CHECK(line.compare(at, 2, ", ") == 0);
                at += 2;
            } else {
                FUZZ_CHECK(line.compare(at, std::string::npos, " ") == 0);
                at += 1;
            }
        }
        // Full lines, but for the last data line.
        if (l + 2 < lines.size())
            FUZZ_CHECK(parsed.size() - before == perLine);
        else
            FUZZ_CHECK(parsed.size() - before <= perLine);
    }
    FUZZ_CHECK(parsed.size() == elements);
    for (std::size_t i = 0; i < elements; ++i) {
        std::uint32_t expected = 0;
        for (std::size_t b = n; b-- > 0;)
            expected = expected << 8 | static_cast<std::uint8_t>(input[i * n + b]);
        FUZZ_CHECK(parsed[i] == expected);
    }
    const std::string footer = vhdl ? ");" : "};";
    FUZZ_CHECK(lines.back().size() >= 2 &&
               lines.back().compare(lines.back().size() - 2, 2, footer) == 0);
    return 0;
}
