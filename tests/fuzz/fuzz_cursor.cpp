// Cursor files from any input: a binary load of any length replaces exactly the leading bytes
// and keeps the rest; the header of any table has its 66 lines and 5,290 bytes, and each entry
// packs the low two bits of four pixels.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "tools/cursor_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace zolvik;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // A starting picture that differs from anything a short file could write.
    CursorTable before{};
    for (int i = 0; i < kCursorPixelCount; ++i)
        before[static_cast<std::size_t>(i)] = i * 7 - 3;
    const CursorTable loaded = LoadCursorBinary(before, bytes);
    const std::string oldBinary = CursorBinary(before);
    const std::string newBinary = CursorBinary(loaded);
    FUZZ_CHECK(newBinary.size() == kCursorBinarySize);
    const std::size_t replaced = std::min(size, kCursorBinarySize);
    FUZZ_CHECK(std::memcmp(newBinary.data(), data, replaced) == 0);
    FUZZ_CHECK(newBinary.compare(replaced, std::string::npos, oldBinary, replaced) == 0);
    // Saving what was loaded and loading it again changes nothing.
    FUZZ_CHECK(LoadCursorBinary(before, newBinary) == loaded);

    const std::string header = CursorHeaderText(loaded);
    FUZZ_CHECK(header.size() == 5290);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = header.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    FUZZ_CHECK(lines == 66);
    // Entry k of row y packs pixels 4k to 4k+3 of that row, leftmost in the high bits.
    const int y = size ? data[0] % kCursorSide : 0;
    const int k = size > 1 ? data[1] % 16 : 0;
    const std::string line = CursorHeaderLine(loaded, y);
    FUZZ_CHECK(line.size() == 80);
    unsigned expected = 0;
    for (int i = 0; i < 4; ++i)
        expected =
            expected << 2 | (loaded[static_cast<std::size_t>(CursorIndex(4 * k + i, y))] & 3);
    char entry[8];
    std::snprintf(entry, sizeof entry, "0x%02X,", expected);
    FUZZ_CHECK(line.compare(static_cast<std::size_t>(k) * 5, 5, entry) == 0);
    return 0;
}
