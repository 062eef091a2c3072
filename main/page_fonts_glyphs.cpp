#include "main/page_fonts_glyphs.h"

#include <QDir>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>

#include "main/user_files.h"
#include "tools/glyph_header.h"
#include "common/number_text.h"

namespace {

std::uint32_t ToBgr(QRgb colour)
{
    return static_cast<std::uint32_t>(qRed(colour)) | (static_cast<std::uint32_t>(qGreen(colour)) << 8) |
           (static_cast<std::uint32_t>(qBlue(colour)) << 16);
}

QRgb FromBgr(std::uint32_t colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

QFont GlyphFont(const QString &family, int pointSize, qreal dpi)
{
    QFont font(family);
    font.setPixelSize(std::max(1, qRound(pointSize * dpi / 72.0)));
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setOverline(false);
    // Every pixel exactly black or exactly white: no grey edges, no colour fringes.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

zolvik::RgbRaster ToRgbRaster(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    zolvik::RgbRaster raster(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            raster.Set(x, y, ToBgr(line[x]));
    }
    return raster;
}

QImage ToIndexedImage(const zolvik::RgbRaster &raster)
{
    QList<QRgb> table;
    QHash<std::uint32_t, uchar> indexOf;
    for (std::uint32_t colour : raster.pixels) {
        if (indexOf.contains(colour))
            continue;
        if (table.size() == 256) {
            // More colours than a table holds: let Qt choose the table.
            QImage rgb(raster.width, raster.height, QImage::Format_RGB32);
            for (int y = 0; y < raster.height; ++y)
                for (int x = 0; x < raster.width; ++x)
                    rgb.setPixel(x, y, FromBgr(raster.At(x, y)));
            return rgb.convertToFormat(QImage::Format_Indexed8);
        }
        indexOf.insert(colour, static_cast<uchar>(table.size()));
        table.append(FromBgr(colour));
    }
    // A full table: with 16 colours or fewer Qt would store 4 bits per pixel.
    table.resize(256, table.isEmpty() ? qRgb(255, 255, 255) : table.constFirst());
    QImage image(raster.width, raster.height, QImage::Format_Indexed8);
    image.setColorTable(table);
    for (int y = 0; y < raster.height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < raster.width; ++x)
            line[x] = indexOf.value(raster.At(x, y));
    }
    return image;
}

GlyphRenderer::GlyphRenderer(const QFont &font) : FFont(font)
{
    // Measured on an image, like the drawing, so no screen scaling comes in between.
    const QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(FFont, &probe);
    FWidth = metrics.horizontalAdvance(QStringLiteral("M"));
    FHeight = metrics.height();
    FAscent = metrics.ascent();
}

QImage GlyphRenderer::WhiteCell() const
{
    QImage cell(FWidth, FHeight, QImage::Format_RGB32);
    cell.fill(Qt::white);
    return cell;
}

void GlyphRenderer::Draw(QImage &cell, int code, Qt::BGMode background) const
{
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(FFont);
    painter.setPen(Qt::black);
    painter.setBackground(QBrush(Qt::white, Qt::SolidPattern));
    painter.setBackgroundMode(background);
    // One UTF-16 unit: codes 128 to 255 are U+0080 to U+00FF.
    painter.drawText(QPoint(0, FAscent), QString(QChar(static_cast<char16_t>(code))));
}

zolvik::RgbRaster GlyphRenderer::PiledGlyphs() const
{
    if (FWidth <= 0 || FHeight <= 0)
        return zolvik::RgbRaster(std::max(FWidth, 0), std::max(FHeight, 0));
    QImage cell = WhiteCell();
    for (int code = zolvik::kFirstGlyphCode; code <= zolvik::kLastGlyphCode; ++code)
        if (!zolvik::LeftOutOfInkRows(code))
            Draw(cell, code, Qt::TransparentMode);
    return ToRgbRaster(cell);
}

zolvik::RgbRaster GlyphRenderer::Glyph(int code) const
{
    if (FWidth <= 0 || FHeight <= 0)
        return zolvik::RgbRaster(std::max(FWidth, 0), std::max(FHeight, 0));
    QImage cell = WhiteCell();
    Draw(cell, code, Qt::OpaqueMode);
    return ToRgbRaster(cell);
}

QString FontHeaderPath(const QString &folder, int fontId)
{
    QString path = folder;
    if (!path.endsWith('/'))
        path += '/';
    return path + QString::fromStdString(zolvik::Format("fontmap%d.h", {std::int64_t{fontId}}, '.'));
}

bool GenerateFontFiles(const QString &family, int pointSize, int fontId, qreal dpi,
                       const QString &fieldPath, const QString &headerFolder)
{
    const GlyphRenderer renderer(GlyphFont(family, pointSize, dpi));
    const zolvik::RgbRaster pile = renderer.PiledGlyphs();
    const std::optional<zolvik::InkRows> rows = zolvik::FindInkRows(pile);
    if (!rows)
        return false;
    SaveUserImage(fieldPath, ToIndexedImage(zolvik::MarkTrimmedRows(pile, *rows)), "BMP");

    zolvik::FontHeader header{family.toStdString(), pointSize, fontId, renderer.CellWidth(), rows->height, {}};
    header.glyphs.reserve(static_cast<std::size_t>(zolvik::kGlyphCount) * header.BytesPerChar());
    for (int code = zolvik::kFirstGlyphCode; code <= zolvik::kLastGlyphCode; ++code) {
        const std::vector<std::uint8_t> bytes = zolvik::PackGlyph(renderer.Glyph(code), *rows);
        header.glyphs.insert(header.glyphs.end(), bytes.begin(), bytes.end());
    }
    const std::string text = zolvik::FontHeaderText(header);
    SaveUserFile(FontHeaderPath(headerFolder, fontId), text);
    return true;
}
