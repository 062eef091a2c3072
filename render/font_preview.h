#pragma once
// The glyphs of a font header as they will be written, decoded back from their bytes and laid
// out in a grid for the fonts page's preview.
#include <QImage>

#include "render/font_output.h"

// One cell per code of the range, codes from the top left, as many cells to a row as fit in
// maxWidth pixels (at least 1, at most 16); ink black on white, cells parted by grey lines one
// pixel wide. A proportional glyph stands on its line with the pen at the same column in every
// cell. One pixel per glyph pixel.
QImage FontPreviewImage(const FontGlyphs &glyphs, int maxWidth);
