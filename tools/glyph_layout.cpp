#include "tools/glyph_layout.h"

#include <stdexcept>

namespace zolvik {

std::string_view GlyphLayoutName(GlyphLayout layout)
{
    return layout == GlyphLayout::Pages ? "pages" : "rows";
}

std::optional<GlyphLayout> GlyphLayoutNamed(std::string_view name)
{
    if (name == "rows")
        return GlyphLayout::Rows;
    if (name == "pages")
        return GlyphLayout::Pages;
    return std::nullopt;
}

int PackedSize(int width, int height, GlyphLayout layout)
{
    if (width <= 0 || height <= 0)
        return 0;
    return layout == GlyphLayout::Rows ? (width + 7) / 8 * height : width * ((height + 7) / 8);
}

void AppendPacked(const RgbRaster &raster, PixelBox box, GlyphLayout layout,
                  std::vector<std::uint8_t> &out)
{
    if (box.left < 0 || box.top < 0 || box.width < 0 || box.height < 0 ||
        box.left + box.width > raster.width || box.top + box.height > raster.height)
        throw std::invalid_argument("glyph box outside the raster");
    const auto ink = [&](int x, int y) {
        return raster.At(box.left + x, box.top + y) == kRasterBlack;
    };
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(PackedSize(box.width, box.height, layout)), 0);
    std::uint8_t *bytes = out.data() + start;
    if (layout == GlyphLayout::Rows) {
        const int rowBytes = (box.width + 7) / 8;
        for (int y = 0; y < box.height; ++y)
            for (int x = 0; x < box.width; ++x)
                if (ink(x, y))
                    bytes[y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        return;
    }
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x)
            if (ink(x, y))
                bytes[(y / 8) * box.width + x] |= static_cast<std::uint8_t>(1 << (y % 8));
}

RgbRaster UnpackBox(std::span<const std::uint8_t> bytes, int width, int height, GlyphLayout layout)
{
    if (width <= 0 || height <= 0)
        return RgbRaster(width > 0 ? width : 0, height > 0 ? height : 0);
    if (bytes.size() < static_cast<std::size_t>(PackedSize(width, height, layout)))
        throw std::invalid_argument("glyph bytes shorter than the box");
    RgbRaster raster(width, height);
    const int rowBytes = (width + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool ink = layout == GlyphLayout::Rows
                                 ? (bytes[y * rowBytes + x / 8] >> (7 - x % 8)) & 1
                                 : (bytes[(y / 8) * width + x] >> (y % 8)) & 1;
            if (ink)
                raster.Set(x, y, kRasterBlack);
        }
    return raster;
}

std::optional<PixelBox> FindInkBox(const RgbRaster &raster)
{
    int left = raster.width, right = -1, top = raster.height, bottom = -1;
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (raster.At(x, y) != kRasterWhite) {
                left = x < left ? x : left;
                right = x > right ? x : right;
                top = y < top ? y : top;
                bottom = y;
            }
    if (right < 0)
        return std::nullopt;
    return PixelBox{left, top, right + 1 - left, bottom + 1 - top};
}

}  // namespace zolvik
