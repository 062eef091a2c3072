#include "tools/tile_sheet.h"

#include <stdexcept>

namespace zolvik {

bool IsTileSheet(int width, int height, TileSize tile)
{
    return tile.width >= 1 && tile.height >= 1 && width >= 0 && height >= 0 && width % tile.width == 0 &&
           height % tile.height == 0;
}

int TileCount(int width, int height, TileSize tile)
{
    return (width / tile.width) * (height / tile.height);
}

std::vector<std::uint8_t> TileRecords(const RgbaRaster &sheet, TileSize tile, PixelFormat format)
{
    if (!IsTileSheet(sheet.width, sheet.height, tile))
        throw std::invalid_argument("sheet sides must be multiples of the tile sides");
    const int count = TileCount(sheet.width, sheet.height, tile);
    const int columns = sheet.width / tile.width;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(count) * EncodedSize(tile.width, tile.height, format));
    for (int k = 0; k < count; ++k)
        AppendEncoded(sheet, (k % columns) * tile.width, (k / columns) * tile.height, tile.width, tile.height,
                      format, bytes);
    return bytes;
}

}  // namespace zolvik
