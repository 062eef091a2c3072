// Icon records from any sheet: a sheet of whole 48x48 tiles gives 6912 bytes per icon, and
// every byte is the matching colour channel of the sheet's pixel; any other size is refused.
#include <cstdint>
#include <stdexcept>

#include "tests/fuzz/fuzz_check.h"
#include "tools/icon_strip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    // Sides up to 4 tiles and a few pixels off, so both sheets and non-sheets come up.
    const int width = 1 + data[0] % 200;
    const int height = 1 + data[1] % 200;
    zolvik::RgbRaster sheet(width, height);
    for (std::size_t i = 0; i < sheet.pixels.size(); ++i) {
        const std::size_t k = 2 + (i * 3) % (size > 2 ? size - 2 : 1);
        const std::uint32_t r = k < size ? data[k] : 0;
        const std::uint32_t g = k + 1 < size ? data[k + 1] : 0;
        const std::uint32_t b = k + 2 < size ? data[k + 2] : 0;
        sheet.pixels[i] = r | g << 8 | b << 16;
    }

    if (!zolvik::IsIconSheet(width, height)) {
        bool refused = false;
        try {
            zolvik::IconRecords(sheet);
        } catch (const std::invalid_argument &) {
            refused = true;
        }
        FUZZ_CHECK(refused);
        return 0;
    }
    const auto records = zolvik::IconRecords(sheet);
    const int count = zolvik::IconCount(width, height);
    FUZZ_CHECK(count == (width / 48) * (height / 48));
    FUZZ_CHECK(records.size() == static_cast<std::size_t>(count) * zolvik::kIconRecordSize);
    const int tilesPerRow = width / 48;
    for (int icon = 0; icon < count; ++icon) {
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                const std::uint32_t colour =
                    sheet.At((icon % tilesPerRow) * 48 + x, (icon / tilesPerRow) * 48 + y);
                const std::size_t at = static_cast<std::size_t>(icon) * zolvik::kIconRecordSize +
                                       static_cast<std::size_t>(y * 48 + x) * 3;
                FUZZ_CHECK(records[at] == (colour & 0xFF));
                FUZZ_CHECK(records[at + 1] == ((colour >> 8) & 0xFF));
                FUZZ_CHECK(records[at + 2] == ((colour >> 16) & 0xFF));
            }
        }
    }
    return 0;
}
