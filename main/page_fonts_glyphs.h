#pragma once
// The font header generator's use of Qt: rendering one character of a font as pure black
// ink on a pure white raster, and the whole generation of "campo.bmp" and the header.
#include <QFont>
#include <QImage>
#include <QString>

#include "tools/rgb_raster.h"

// The raster's font: the family and the point size and nothing else (regular, upright, no
// effects), its em size round(size x dpi / 72) pixels, drawn without antialiasing.
QFont GlyphFont(const QString &family, int pointSize, qreal dpi);

// The colours of an image as 0x00BBGGRR values; alpha is dropped.
zolvik::RgbRaster ToRgbRaster(const QImage &image);

// An 8-bit image with a full colour table of 256 entries holding the raster's colours.
QImage ToIndexedImage(const zolvik::RgbRaster &raster);

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

// Renders the font, writes the marked measuring raster to fieldPath and then
// "fontmap<fontId>.h" into headerFolder. Returns false and writes nothing when the font
// leaves no ink in its cell. Throws zolvik::Error when a file cannot be written.
bool GenerateFontFiles(const QString &family, int pointSize, int fontId, qreal dpi,
                       const QString &fieldPath, const QString &headerFolder);

// The header's path: the folder, a separator and "fontmap<fontId>.h".
QString FontHeaderPath(const QString &folder, int fontId);
