#include "render/font_files.h"

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

std::optional<FontFiles> RenderFontFiles(const QString &family, int pointSize, int fontId, qreal dpi)
{
    const GlyphRenderer renderer(GlyphFont(family, pointSize, dpi));
    const zolvik::RgbRaster pile = renderer.PiledGlyphs();
    const std::optional<zolvik::InkRows> rows = zolvik::FindInkRows(pile);
    if (!rows)
        return std::nullopt;

    FontFiles files;
    files.sheet = ToIndexedImage(zolvik::MarkTrimmedRows(pile, *rows));
    zolvik::FontHeader header{family.toStdString(), pointSize, fontId, renderer.CellWidth(), rows->height, {}};
    header.glyphs.reserve(static_cast<std::size_t>(zolvik::kGlyphCount) * header.BytesPerChar());
    for (int code = zolvik::kFirstGlyphCode; code <= zolvik::kLastGlyphCode; ++code) {
        const std::vector<std::uint8_t> bytes = zolvik::PackGlyph(renderer.Glyph(code), *rows);
        header.glyphs.insert(header.glyphs.end(), bytes.begin(), bytes.end());
    }
    files.header = zolvik::FontHeaderText(header);
    return files;
}
