#include "tools/glyph_set.h"

#include <stdexcept>

namespace zolvik {

std::vector<std::uint8_t> FixedGlyphBitmaps(std::span<const GlyphImage> images, InkRows rows,
                                            GlyphLayout layout, bool keepMissing)
{
    std::vector<std::uint8_t> bytes;
    if (images.empty())
        return bytes;
    const int width = images.front().raster.width;
    const int cellBytes = PackedSize(width, rows.height, layout);
    bytes.reserve(images.size() * static_cast<std::size_t>(cellBytes));
    for (const GlyphImage &image : images) {
        if (image.raster.width != width)
            throw std::invalid_argument("glyph rasters differ in width");
        if (GlyphDrawn(image, keepMissing))
            AppendPacked(image.raster, PixelBox{0, rows.top, width, rows.height}, layout, bytes);
        else
            bytes.resize(bytes.size() + static_cast<std::size_t>(cellBytes), 0);
    }
    return bytes;
}

ProportionalGlyphs PackProportionalGlyphs(std::span<const GlyphImage> images, GlyphLayout layout,
                                          bool keepMissing)
{
    ProportionalGlyphs set;
    set.glyphs.reserve(images.size());
    for (const GlyphImage &image : images) {
        ProportionalGlyph glyph;
        glyph.offset = static_cast<std::uint32_t>(set.bitmaps.size());
        if (GlyphDrawn(image, keepMissing)) {
            glyph.advance = image.advance;
            if (const std::optional<PixelBox> box = FindInkBox(image.raster)) {
                glyph.width = box->width;
                glyph.height = box->height;
                glyph.xOffset = box->left - image.originX;
                glyph.yOffset = box->top;
                AppendPacked(image.raster, *box, layout, set.bitmaps);
            }
        }
        set.glyphs.push_back(glyph);
    }
    return set;
}

}  // namespace zolvik
