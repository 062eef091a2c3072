#pragma once
// The C header form of an icon sheet's records: the tile size and count as macros and the
// records as one static const array of the pixel format's element type, for a C99 compiler.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tools/pixel_format.h"
#include "tools/tile_sheet.h"

namespace zolvik {

// "NAME_TILE_WIDTH", "NAME_TILE_HEIGHT", "NAME_TILE_COUNT" (the name upper-cased) and
// "static const TYPE name_pixels[N]" holding the records as TileRecords gives them, read as
// little-endian elements, so that a little-endian target holds exactly the records' bytes
// (rgb565be words therefore look byte-swapped); an include guard NAME_H; CR LF lines. Throws
// std::invalid_argument for a name that is not a C identifier, no tiles, or records of
// another size than count tiles.
std::string IconHeaderText(std::string_view name, TileSize tile, int count, PixelFormat format,
                           std::span<const std::uint8_t> records);

}  // namespace zolvik
