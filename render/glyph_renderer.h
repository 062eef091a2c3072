#pragma once
// Rendering one character of a font as pure black ink on a pure white raster, as the font
// header generator needs it. Qt Gui only: no window system, so it runs offscreen as well.
#include <QFont>
#include <QString>

#include "tools/rgb_raster.h"

// The raster's font: the family and the point size and nothing else (regular, upright, no
// effects), its em size round(size x dpi / 72) pixels, drawn without antialiasing.
QFont GlyphFont(const QString &family, int pointSize, qreal dpi);

// Draws one-character texts in the character cell of a font: the cell is as wide as "M" and
// as high as the font's ascent plus descent, the top-left corner of the cell at (0, 0).
class GlyphRenderer {
public:
    explicit GlyphRenderer(const QFont &font);

    int CellWidth() const { return FWidth; }
    int CellHeight() const { return FHeight; }

    // The glyphs of every code that counts for the ink rows, piled up on one white raster.
    zolvik::RgbRaster PiledGlyphs() const;
    // The glyph of one code alone on a white raster.
    zolvik::RgbRaster Glyph(int code) const;

private:
    QImage WhiteCell() const;
    void Draw(QImage &cell, int code, Qt::BGMode background) const;

    QFont FFont;
    int FWidth = 0;
    int FHeight = 0;
    int FAscent = 0;
};
