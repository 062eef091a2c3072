#pragma once
// Icon sheets: a picture of 48x48 icons side by side and row under row becomes the raw
// colour records of the icons, one after the other, for a firmware image.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/rgb_raster.h"

namespace zolvik {

inline constexpr int kIconSide = 48;
inline constexpr int kIconRecordSize = kIconSide * kIconSide * 3;  // 6912 bytes

// Whether both sides are whole multiples of the icon side.
bool IsIconSheet(int width, int height);

// Number of icons on a sheet of the given size.
int IconCount(int width, int height);

// The records of every icon, numbered left to right along a row of tiles, then row by row
// from the top; each record holds the icon's rows from the top, each row's pixels from the
// left, each pixel as red, green, blue bytes. Throws std::invalid_argument for a raster
// that is not an icon sheet.
std::vector<std::uint8_t> IconRecords(const RgbRaster &sheet);

// The output path beside the input: the file name's extension replaced by ".bmb", or
// ".bmb" appended to a name without extension. Folders are separated by '/'.
std::string BmbPath(const std::string &inputPath);

}  // namespace zolvik
