#pragma once
// The font header generator's files as the window saves them: "campo.bmp" and the header.
#include <QString>

#include "render/font_files.h"
#include "render/font_output.h"
#include "render/glyph_renderer.h"
#include "render/raster_image.h"

// Renders the font with the options, writes the marked measuring raster of fixed cells to
// fieldPath (proportional glyphs have none) and then "fontmap<fontId>.h" into headerFolder.
// Returns false and writes nothing when the font leaves no ink. Throws zolvik::Error when a
// file cannot be written or the array name is not a C identifier.
bool GenerateFontFiles(const QString &family, int pointSize, int fontId, qreal dpi,
                       const QString &fieldPath, const QString &headerFolder,
                       const FontOptions &options = {});
