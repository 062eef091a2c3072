#pragma once
// The bitmaps of a font's glyphs over a range of codes, from the rendered glyph rasters: fixed
// cells (every glyph the same rows of the same cell) or proportional glyphs (each glyph its own
// ink box and advance width, nothing cut).
#include <cstdint>
#include <span>
#include <vector>

#include "tools/glyph_header.h"
#include "tools/glyph_layout.h"
#include "tools/rgb_raster.h"

namespace zolvik {

// One code as rendered: the raster is the glyph drawn in black on white with the line's top at
// row 0 and the pen at column originX; advance is the pen's step to the next glyph.
struct GlyphImage {
    RgbRaster raster;
    int originX = 0;
    int advance = 0;
    bool present = true;  // false when the font has no glyph and the renderer drew its replacement
};

// A code the font does not have is left empty (its raster is not used) unless keepMissing.
inline bool GlyphDrawn(const GlyphImage &image, bool keepMissing)
{
    return image.present || keepMissing;
}

// The glyphs' cells one after the other, each the ink rows of its raster across the whole
// raster width, packed in the layout; an empty cell is all 0. Every raster must be as wide as
// the first and hold the rows. Throws std::invalid_argument otherwise.
std::vector<std::uint8_t> FixedGlyphBitmaps(std::span<const GlyphImage> images, InkRows rows,
                                            GlyphLayout layout, bool keepMissing);

// Where one proportional glyph's bits are and how it stands on the line.
struct ProportionalGlyph {
    std::uint32_t offset = 0;  // first byte of its bits in the bitmap
    int width = 0;             // ink box, 0 x 0 for a glyph without ink
    int height = 0;
    int xOffset = 0;  // from the pen to the left of the ink box
    int yOffset = 0;  // from the line's top to the top of the ink box
    int advance = 0;  // an empty (missing) glyph advances 0

    bool operator==(const ProportionalGlyph &) const = default;
};

struct ProportionalGlyphs {
    std::vector<std::uint8_t>
        bitmaps;  // each glyph's ink box packed in the layout, one after the other
    std::vector<ProportionalGlyph> glyphs;
};

ProportionalGlyphs PackProportionalGlyphs(std::span<const GlyphImage> images, GlyphLayout layout,
                                          bool keepMissing);

}  // namespace zolvik
