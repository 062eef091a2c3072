#pragma once
// The font header generator: a font rendered into the glyph header and the measuring sheet
// ("campo.bmp") that shows which rows were trimmed.
#include <QImage>
#include <QString>

#include <optional>
#include <string>

#include "tools/glyph_header.h"
#include "tools/glyph_table_text.h"

// What the generator says of a font that leaves no ink (UTF-8).
inline constexpr const char *kFontLeavesNoInk =
    "A fonte escolhida n\u00e3o tem nenhum pixel vis\u00edvel; nenhum arquivo foi gravado.";

// How the glyphs of a font header are chosen and laid out; the defaults give the header above.
struct GlyphChoice {
    int first = zolvik::kFirstGlyphCode;  // the character range, within 0 to 255
    int last = zolvik::kLastGlyphCode;
    zolvik::GlyphLayout layout = zolvik::GlyphLayout::Rows;
    bool keepMissing = false;  // draw the renderer's replacement for a code the font lacks
};

// Fixed cells of the chosen codes: the rows that the drawn glyphs of the range use, as
// the fonts page has always found them for the whole range.
struct FixedFont {
    zolvik::FontHeader header;
    zolvik::InkRows rows;  // where the header's cells lie in the renderer's cell
    QImage sheet;          // the measuring sheet of the range
};
std::optional<FixedFont> RenderFixedFont(const QString &family, int pointSize, int fontId,
                                         qreal dpi, const GlyphChoice &choice);

// Proportional glyphs of the chosen codes, each its own ink box; nothing when no glyph has ink.
std::optional<zolvik::ProportionalFontHeader> RenderProportionalFont(const QString &family,
                                                                     int pointSize, int fontId,
                                                                     qreal dpi,
                                                                     const GlyphChoice &choice);

// The header's name, "fontmap<fontId>.h".
QString FontHeaderName(int fontId);

// The header's path: the folder, a separator and FontHeaderName(fontId).
QString FontHeaderPath(const QString &folder, int fontId);
