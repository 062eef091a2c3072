#include "render/glyph_renderer.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "render/raster_image.h"
#include "tools/glyph_header.h"

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
