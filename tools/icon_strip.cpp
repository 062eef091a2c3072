#include "tools/icon_strip.h"

#include <stdexcept>

#include "tools/tile_sheet.h"

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
    return TileRecords(OpaqueRaster(sheet), TileSize{kIconSide, kIconSide}, PixelFormat::Rgb888);
}

std::string BmbPath(const std::string &inputPath)
{
    const std::size_t nameStart = inputPath.find_last_of('/');
    const std::size_t dot = inputPath.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
    return (hasExtension ? inputPath.substr(0, dot) : inputPath) + ".bmb";
}

}  // namespace zolvik
