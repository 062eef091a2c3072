#include "tools/icon_strip.h"

#include <stdexcept>

namespace zolvik {

bool IsIconSheet(int width, int height)
{
    return width % kIconSide == 0 && height % kIconSide == 0;
}

int IconCount(int width, int height)
{
    return static_cast<int>(static_cast<std::int64_t>(width) * height / (kIconSide * kIconSide));
}

std::vector<std::uint8_t> IconRecords(const RgbRaster &sheet)
{
    if (sheet.width < 0 || sheet.height < 0 || !IsIconSheet(sheet.width, sheet.height))
        throw std::invalid_argument("sheet sides must be multiples of 48");
    const int count = IconCount(sheet.width, sheet.height);
    const int columns = sheet.width / kIconSide;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(count) * kIconRecordSize);
    for (int k = 0; k < count; ++k) {
        const int x0 = (k % columns) * kIconSide;
        const int y0 = (k / columns) * kIconSide;
        for (int y = 0; y < kIconSide; ++y) {
            for (int x = 0; x < kIconSide; ++x) {
                const std::uint32_t colour = sheet.At(x0 + x, y0 + y);
                bytes.push_back(static_cast<std::uint8_t>(colour & 0xFF));
                bytes.push_back(static_cast<std::uint8_t>((colour >> 8) & 0xFF));
                bytes.push_back(static_cast<std::uint8_t>((colour >> 16) & 0xFF));
            }
        }
    }
    return bytes;
}

std::string BmbPath(const std::string &inputPath)
{
    const std::size_t nameStart = inputPath.find_last_of('/');
    const std::size_t dot = inputPath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
    return (hasExtension ? inputPath.substr(0, dot) : inputPath) + ".bmb";
}

}  // namespace zolvik
