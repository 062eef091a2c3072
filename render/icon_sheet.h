#pragma once
// The icon strip generator's decoding: a BMP sheet of 48x48 icons into the raw records.
#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <optional>
#include <vector>

// What the icon strip generator says of a sheet it refuses.
inline constexpr const char *kIconSheetNotBitmap = "Bitmap image is not valid";
inline constexpr const char *kIconSheetNot48 = "Imagem deve estar no padrão 48x48";

// The sheet from BMP file bytes; a null image when they are not a whole bitmap Qt reads.
QImage DecodeIconSheet(const QByteArray &bytes);

// The records of a decoded sheet; nothing when its sides are not multiples of 48.
std::optional<std::vector<std::uint8_t>> IconSheetRecords(const QImage &sheet);
