// LCD character packing from any pixels, name and base: eight row bytes below 32 with bit
// (4 - c) for each lit pixel, and an array text holding exactly those eight values.
#include <cstdint>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "tools/lcd_char.h"

namespace {

unsigned ReadValue(const std::string &text, int base)
{
    if (base == zolvik::kLcdBaseBinary)
        return static_cast<unsigned>(std::stoul(text, nullptr, 2));
    if (base == zolvik::kLcdBaseHexadecimal)
        return static_cast<unsigned>(std::stoul(text, nullptr, 16));
    return static_cast<unsigned>(std::stoul(text, nullptr, 10));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace zolvik;
    constexpr std::size_t kPixels = kLcdColumns * kLcdRows;
    if (size < kPixels + 1)
        return 0;
    LcdCharTable pixels{};
    for (std::size_t i = 0; i < kPixels; ++i)
        pixels[i] = data[i];
    const int base = data[kPixels] % 3;
    std::string name(reinterpret_cast<const char *>(data + kPixels + 1), size - kPixels - 1);
    // The text is read back by its separators, so keep them out of the name.
    for (char &c : name)
        if (c == '{' || c == '}' || c == ',' || c == '[')
            c = '_';

    const LcdRowBytes rows = LcdCharRowBytes(pixels);
    for (int r = 0; r < kLcdRows; ++r) {
        unsigned expected = 0;
        for (int c = 0; c < kLcdColumns; ++c)
            if (pixels[static_cast<std::size_t>(LcdIndex(c, r))] != 0)
                expected |= 1u << (4 - c);
        FUZZ_CHECK(rows[static_cast<std::size_t>(r)] == expected);
    }

    const std::string text = LcdArrayText(name, rows, base);
    const std::string shownName = name.empty() ? "newArrray" : name;
    FUZZ_CHECK(text.rfind("u8 " + shownName + "[8] = {", 0) == 0);
    FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "};") == 0);
    const std::size_t open = text.rfind('{');
    std::string values = text.substr(open + 1, text.size() - open - 3);
    int count = 0;
    for (std::size_t start = 0; start <= values.size(); ++count) {
        std::size_t end = values.find(',', start);
        if (end == std::string::npos)
            end = values.size();
        std::string value = values.substr(start, end - start);
        value.erase(0, value.find_first_not_of(' '));
        const char *prefix = base == kLcdBaseBinary        ? "0b"
                             : base == kLcdBaseHexadecimal ? "0x"
                                                           : "";
        FUZZ_CHECK(value.rfind(prefix, 0) == 0);
        value.erase(0, std::string(prefix).size());
        FUZZ_CHECK(count < kLcdRows);
        FUZZ_CHECK(ReadValue(value, base) == rows[static_cast<std::size_t>(count)]);
        start = end + 1;
    }
    FUZZ_CHECK(count == kLcdRows);
    return 0;
}
