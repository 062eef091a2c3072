#pragma once
// A range of a font's codes rendered as glyph images for the glyph set engines: fixed cells of
// the glyph renderer, or proportional glyphs drawn uncut on a canvas large enough for their
// ink, each with its pen position and advance. A code the font itself does not map is marked
// missing, so that the replacement the renderer would draw can be left out.
#include <QFont>

#include <vector>

#include "render/glyph_renderer.h"
#include "tools/glyph_set.h"

// Whether the font's own character map holds the code (no fallback font counts).
bool FontHasGlyph(const QFont &font, int code);

// The cells of codes first to last as the renderer draws them: pen at column 0, advancing by
// the cell width.
std::vector<zolvik::GlyphImage> FixedGlyphImages(const GlyphRenderer &renderer, const QFont &font,
                                                 int first, int last);

// Proportional glyphs on one line whose top is the highest ink of any drawn glyph or the
// font's ascent, whichever is higher, and whose bottom is the lowest ink or the descent.
struct ProportionalImages {
    std::vector<zolvik::GlyphImage> images;  // every raster lineHeight rows high
    int lineHeight = 0;
    int baseline = 0;  // rows from the line's top to the baseline
};

ProportionalImages ProportionalGlyphImages(const QFont &font, int first, int last,
                                           bool keepMissing);
