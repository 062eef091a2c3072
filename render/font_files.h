#pragma once
// The font header generator: a font rendered into the glyph header and the measuring sheet
// ("campo.bmp") that shows which rows were trimmed.
#include <QImage>
#include <QString>

#include <optional>
#include <string>

// What the generator says of a font that leaves no ink (UTF-8).
inline constexpr const char *kFontLeavesNoInk =
    "A fonte escolhida n\u00e3o tem nenhum pixel vis\u00edvel; nenhum arquivo foi gravado.";

struct FontFiles {
    std::string header;  // the text of "fontmap<id>.h"
    QImage sheet;        // the piled glyphs with the trimmed rows marked
};

// Renders the family at the point size and dpi. Nothing when the font leaves no ink in its cell.
std::optional<FontFiles> RenderFontFiles(const QString &family, int pointSize, int fontId, qreal dpi);

// The header's name, "fontmap<fontId>.h".
QString FontHeaderName(int fontId);

// The header's path: the folder, a separator and FontHeaderName(fontId).
QString FontHeaderPath(const QString &folder, int fontId);
