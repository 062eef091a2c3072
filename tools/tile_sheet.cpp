#include "tools/tile_sheet.h"

#include <stdexcept>

namespace zolvik {

namespace {

std::optional<int> Side(std::string_view digits)
{
    if (digits.empty() || digits.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 4096)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<TileSize> ParseTileSize(std::string_view text)
{
    const std::size_t cross = text.find_first_of("xX");
    if (cross == std::string_view::npos)
        return std::nullopt;
    const std::optional<int> width = Side(text.substr(0, cross));
    const std::optional<int> height = Side(text.substr(cross + 1));
    if (!width || !height)
        return std::nullopt;
    return TileSize{*width, *height};
}

bool IsTileSheet(int width, int height, TileSize tile)
{
    return tile.width >= 1 && tile.height >= 1 && width >= 0 && height >= 0 &&
           width % tile.width == 0 && height % tile.height == 0;
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
        AppendEncoded(sheet, (k % columns) * tile.width, (k / columns) * tile.height, tile.width,
                      tile.height, format, bytes);
    return bytes;
}

}  // namespace zolvik
