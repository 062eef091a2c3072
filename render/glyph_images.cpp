#include "render/glyph_images.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <optional>

#include "render/raster_image.h"
#include "tools/glyph_layout.h"

bool FontHasGlyph(const QFont &font, int code)
{
    return QRawFont::fromFont(font).supportsCharacter(static_cast<uint>(code));
}

std::vector<zolvik::GlyphImage> FixedGlyphImages(const GlyphRenderer &renderer, const QFont &font,
                                                 int first, int last)
{
    std::vector<zolvik::GlyphImage> images;
    images.reserve(static_cast<std::size_t>(std::max(0, last - first + 1)));
    for (int code = first; code <= last; ++code)
        images.push_back({renderer.Glyph(code), 0, renderer.CellWidth(), FontHasGlyph(font, code)});
    return images;
}

namespace {

// One glyph on its own canvas: a margin of a whole em on every side of the advance and of
// the ascent and descent holds any ink a glyph throws beyond its box.
struct Canvas {
    QImage image;
    int penX = 0;
    int baselineY = 0;
    int advance = 0;
};

Canvas DrawUncut(const QFont &font, const QFontMetrics &metrics, int code)
{
    const int margin = std::max(1, font.pixelSize());
    const QString text(QChar(static_cast<char16_t>(code)));
    Canvas canvas;
    canvas.advance = metrics.horizontalAdvance(text.front());
    canvas.penX = margin;
    canvas.baselineY = margin + metrics.ascent();
    canvas.image = QImage(std::max(0, canvas.advance) + 2 * margin, metrics.height() + 2 * margin,
                          QImage::Format_RGB32);
    canvas.image.fill(Qt::white);
    QPainter painter(&canvas.image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(canvas.penX, canvas.baselineY), text);
    return canvas;
}

}  // namespace

ProportionalImages ProportionalGlyphImages(const QFont &font, int first, int last, bool keepMissing)
{
    const QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &probe);
    // Extent of the line around the baseline: rows above it (ascent) and from it down (descent).
    int above = metrics.ascent();
    int below = metrics.height() - metrics.ascent();
    std::vector<Canvas> canvases;
    std::vector<bool> present;
    for (int code = first; code <= last; ++code) {
        canvases.push_back(DrawUncut(font, metrics, code));
        present.push_back(FontHasGlyph(font, code));
        if (!zolvik::GlyphDrawn({{}, 0, 0, present.back()}, keepMissing))
            continue;
        const Canvas &canvas = canvases.back();
        if (const std::optional<zolvik::PixelBox> ink =
                zolvik::FindInkBox(ToRgbRaster(canvas.image))) {
            above = std::max(above, canvas.baselineY - ink->top);
            below = std::max(below, ink->top + ink->height - canvas.baselineY);
        }
    }
    ProportionalImages set;
    set.lineHeight = above + below;
    set.baseline = above;
    for (std::size_t i = 0; i < canvases.size(); ++i) {
        const Canvas &canvas = canvases[i];
        const QImage line =
            canvas.image.copy(0, canvas.baselineY - above, canvas.image.width(), set.lineHeight);
        set.images.push_back({ToRgbRaster(line), canvas.penX, canvas.advance, present[i]});
    }
    return set;
}
