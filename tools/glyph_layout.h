#pragma once
// The two bit layouts of glyph bitmaps, for a box of a glyph raster. Ink is a pixel that is
// exactly black, as the renderer draws it.
//   rows:  each row of the box in whole bytes, leftmost pixel in the most significant bit,
//          padding bits after the last pixel 0; rows from the top.
//   pages: bytes of 8 vertical pixels, the top one in the least significant bit; a page is
//          the bytes of the box's columns from the left, pages from the top, the last page
//          padded with 0 bits below the box (as monochrome OLED and LCD controllers take them).
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "tools/rgb_raster.h"

namespace zolvik {

enum class GlyphLayout { Rows, Pages };

std::string_view GlyphLayoutName(GlyphLayout layout);  // "rows", "pages"
std::optional<GlyphLayout> GlyphLayoutNamed(std::string_view name);

// A rectangle of a raster in pixels.
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelBox &) const = default;
};

// Bytes of a width x height box in the layout; 0 for an empty box.
int PackedSize(int width, int height, GlyphLayout layout);

// Appends the box's bits in the layout. Throws std::invalid_argument for a box outside the raster.
void AppendPacked(const RgbRaster &raster, PixelBox box, GlyphLayout layout,
                  std::vector<std::uint8_t> &out);

// The width x height box that AppendPacked turned into `bytes`, back as black ink on white;
// padding bits are not read. Throws std::invalid_argument when `bytes` is shorter than
// PackedSize(width, height, layout).
RgbRaster UnpackBox(std::span<const std::uint8_t> bytes, int width, int height, GlyphLayout layout);

// The smallest box holding every pixel that is not exactly white; nothing for a blank raster.
std::optional<PixelBox> FindInkBox(const RgbRaster &raster);

}  // namespace zolvik
