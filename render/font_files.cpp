#include "render/font_files.h"

#include "render/glyph_images.h"
#include "render/glyph_renderer.h"
#include "render/raster_image.h"
#include "tools/glyph_header.h"
#include "common/number_text.h"

QString FontHeaderName(int fontId)
{
    return QString::fromStdString(zolvik::Format("fontmap%d.h", {std::int64_t{fontId}}, '.'));
}

QString FontHeaderPath(const QString &folder, int fontId)
{
    QString path = folder;
    if (!path.endsWith('/'))
        path += '/';
    return path + FontHeaderName(fontId);
}

namespace {

// The glyphs of the range drawn on one raster, as the window piles them for the ink rows.
zolvik::RgbRaster PileOf(const std::vector<zolvik::GlyphImage> &images, int first, bool keepMissing)
{
    zolvik::RgbRaster pile(images.front().raster.width, images.front().raster.height);
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (zolvik::LeftOutOfInkRows(first + static_cast<int>(i)) ||
            !zolvik::GlyphDrawn(images[i], keepMissing))
            continue;
        for (std::size_t p = 0; p < pile.pixels.size(); ++p)
            if (images[i].raster.pixels[p] == zolvik::kRasterBlack)
                pile.pixels[p] = zolvik::kRasterBlack;
    }
    return pile;
}

}  // namespace

std::optional<FixedFont> RenderFixedFont(const QString &family, int pointSize, int fontId,
                                         qreal dpi, const GlyphChoice &choice)
{
    const QFont font = GlyphFont(family, pointSize, dpi);
    const GlyphRenderer renderer(font);
    if (renderer.CellWidth() <= 0 || renderer.CellHeight() <= 0)
        return std::nullopt;
    const std::vector<zolvik::GlyphImage> images =
        FixedGlyphImages(renderer, font, choice.first, choice.last);
    const zolvik::RgbRaster pile = PileOf(images, choice.first, choice.keepMissing);
    const std::optional<zolvik::InkRows> rows = zolvik::FindInkRows(pile);
    if (!rows)
        return std::nullopt;
    FixedFont fixed{{family.toStdString(), pointSize, fontId, renderer.CellWidth(), rows->height,
                     zolvik::FixedGlyphBitmaps(images, *rows, choice.layout, choice.keepMissing),
                     choice.first, choice.last, choice.layout},
                    *rows,
                    ToIndexedImage(zolvik::MarkTrimmedRows(pile, *rows))};
    return fixed;
}

std::optional<zolvik::ProportionalFontHeader> RenderProportionalFont(const QString &family,
                                                                     int pointSize, int fontId,
                                                                     qreal dpi,
                                                                     const GlyphChoice &choice)
{
    const ProportionalImages drawn = ProportionalGlyphImages(
        GlyphFont(family, pointSize, dpi), choice.first, choice.last, choice.keepMissing);
    zolvik::ProportionalFontHeader header{
        family.toStdString(),
        pointSize,
        fontId,
        drawn.lineHeight,
        drawn.baseline,
        choice.first,
        choice.last,
        choice.layout,
        zolvik::PackProportionalGlyphs(drawn.images, choice.layout, choice.keepMissing)};
    if (header.glyphs.bitmaps.empty())
        return std::nullopt;
    return header;
}
