#pragma once
// The icon strip generator's decoding: a BMP sheet of 48x48 icons into the raw records, and
// sheets of any tile size, BMP or PNG with transparency, in any pixel format.
#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/pixel_format.h"
#include "tools/tile_sheet.h"

// What the icon strip generator says of a sheet it refuses.
inline constexpr const char *kIconSheetNotBitmap = "Bitmap image is not valid";
inline constexpr const char *kIconSheetNot48 = "Imagem deve estar no padrão 48x48";

// The sheet from BMP file bytes; a null image when they are not a whole bitmap Qt reads.
QImage DecodeIconSheet(const QByteArray &bytes);

// The records of a decoded sheet; nothing when its sides are not multiples of 48.
std::optional<std::vector<std::uint8_t>> IconSheetRecords(const QImage &sheet);

// The sheet from BMP bytes as DecodeIconSheet reads them, or from PNG bytes (alpha kept); a
// null image for anything else or a PNG that Qt cannot read whole.
QImage DecodeTileSheet(const QByteArray &bytes);

// What the generator says of a sheet whose sides are not multiples of the tile's: today's
// words with the tile's size in them.
std::string TileSheetRefusal(zolvik::TileSize tile);

// The records of a decoded sheet in the format; nothing when its sides are not multiples of
// the tile's.
std::optional<std::vector<std::uint8_t>>
TileSheetRecords(const QImage &sheet, zolvik::TileSize tile, zolvik::PixelFormat format);
