#pragma once
// The font header generator's files as the window saves them: "campo.bmp" and the header.
#include <QString>

#include "render/font_files.h"
#include "render/glyph_renderer.h"
#include "render/raster_image.h"

// Renders the font, writes the marked measuring raster to fieldPath and then
// "fontmap<fontId>.h" into headerFolder. Returns false and writes nothing when the font
// leaves no ink in its cell. Throws zolvik::Error when a file cannot be written.
bool GenerateFontFiles(const QString &family, int pointSize, int fontId, qreal dpi,
                       const QString &fieldPath, const QString &headerFolder);
