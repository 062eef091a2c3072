#pragma once
// A picture cut into equal tiles side by side and row under row; each tile becomes one record
// of pixels in a chosen format, the records one after the other.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tools/pixel_format.h"
#include "tools/rgba_raster.h"

namespace zolvik {

struct TileSize {
    int width = 48;
    int height = 48;
};

// The tile size of a text "WxH" (or "WXH"): two whole numbers of 1 to 4096 and nothing else;
// nothing for any other text.
std::optional<TileSize> ParseTileSize(std::string_view text);

// Whether both tile sides are at least 1 and divide the sheet's sides.
bool IsTileSheet(int width, int height, TileSize tile);

// Number of tiles on a sheet that IsTileSheet accepts.
int TileCount(int width, int height, TileSize tile);

// The records of every tile, numbered left to right along a row of tiles, then row by row from
// the top; each record holds the tile's rows from the top in the format. Throws
// std::invalid_argument for a sheet whose sides are not multiples of the tile's.
std::vector<std::uint8_t> TileRecords(const RgbaRaster &sheet, TileSize tile, PixelFormat format);

}  // namespace zolvik
