#include "render/font_preview.h"

#include <algorithm>
#include <vector>

#include "tools/glyph_layout.h"

namespace {

// A row of the grid holds at most one hexadecimal line of codes.
constexpr int kMostColumns = 16;
constexpr QRgb kGridLine = qRgb(0xC0, 0xC0, 0xC0);

// A decoded glyph and where its top-left corner stands in its cell.
struct PlacedGlyph {
    zolvik::RgbRaster ink;
    int left = 0;
    int top = 0;
};

struct PreviewCells {
    std::vector<PlacedGlyph> glyphs;
    int width = 1;
    int height = 1;
};

PreviewCells FixedCells(const zolvik::FontHeader &header)
{
    PreviewCells cells{{}, std::max(header.width, 1), std::max(header.height, 1)};
    const std::size_t bytesPerChar = static_cast<std::size_t>(header.BytesPerChar());
    const std::span<const std::uint8_t> bytes(header.glyphs);
    for (int i = 0; i < header.GlyphCount(); ++i)
        cells.glyphs.push_back(
            {zolvik::UnpackBox(bytes.subspan(static_cast<std::size_t>(i) * bytesPerChar),
                               header.width, header.height, header.layout),
             0, 0});
    return cells;
}

PreviewCells ProportionalCells(const zolvik::ProportionalFontHeader &header)
{
    const std::vector<zolvik::ProportionalGlyph> &table = header.glyphs.glyphs;
    int pen = 0;
    for (const zolvik::ProportionalGlyph &glyph : table)
        pen = std::max(pen, -glyph.xOffset);
    PreviewCells cells{{}, 1, std::max(header.lineHeight, 1)};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const zolvik::ProportionalGlyph &glyph = table[i];
        cells.glyphs.push_back({zolvik::UnpackBox(zolvik::GlyphBytes(header.glyphs, i), glyph.width,
                                                  glyph.height, header.layout),
                                pen + glyph.xOffset, glyph.yOffset});
        cells.width =
            std::max({cells.width, pen + glyph.xOffset + glyph.width, pen + glyph.advance});
        cells.height = std::max(cells.height, glyph.yOffset + glyph.height);
    }
    return cells;
}

}  // namespace

QImage FontPreviewImage(const FontGlyphs &glyphs, int maxWidth)
{
    const PreviewCells cells =
        glyphs.fixed ? FixedCells(glyphs.fixed->header) : ProportionalCells(*glyphs.proportional);
    const int count = static_cast<int>(cells.glyphs.size());
    const int columns = std::clamp((maxWidth - 1) / (cells.width + 1), 1, kMostColumns);
    const int rows = (count + columns - 1) / columns;
    QImage image(columns * (cells.width + 1) + 1, std::max(rows, 1) * (cells.height + 1) + 1,
                 QImage::Format_RGB32);
    image.fill(kGridLine);
    for (int i = 0; i < count; ++i) {
        const int cellLeft = 1 + (i % columns) * (cells.width + 1);
        const int cellTop = 1 + (i / columns) * (cells.height + 1);
        const PlacedGlyph &glyph = cells.glyphs[static_cast<std::size_t>(i)];
        for (int y = 0; y < cells.height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(cellTop + y)) + cellLeft;
            std::fill(line, line + cells.width, qRgb(0xFF, 0xFF, 0xFF));
            const int inkY = y - glyph.top;
            if (inkY < 0 || inkY >= glyph.ink.height)
                continue;
            for (int x = 0; x < glyph.ink.width; ++x)
                if (glyph.ink.At(x, inkY) == zolvik::kRasterBlack)
                    line[glyph.left + x] = qRgb(0, 0, 0);
        }
    }
    return image;
}
