#pragma once
// The font header generator from its options to its output, one composition for the window and
// the command line: the glyphs of the chosen codes in the chosen form, and their header text.
#include <QImage>
#include <QString>

#include <optional>
#include <stdexcept>
#include <string>

#include "render/font_files.h"
#include "tools/glyph_header.h"
#include "tools/glyph_table_text.h"

// Every choice of the header; the defaults give the fonts page's own header.
struct FontOptions {
    int first = zolvik::kFirstGlyphCode;  // the character range, first <= last, within 0 to 255
    int last = zolvik::kLastGlyphCode;
    bool proportional = false;  // each glyph its own ink box (default: fixed cells)
    zolvik::GlyphLayout layout = zolvik::GlyphLayout::Rows;
    bool arrayForm = false;  // the C99 array form (default: the string form)
    std::string name;        // the array form's C name; empty for "font" and the id
    bool keepMissing = false;
};

// The fonts page's own form (string, fixed cells, rows) keeps the renderer's replacement for
// codes the font lacks, byte for byte as the page always wrote it; every other form leaves
// them empty unless keepMissing.
bool IsFontsPageForm(const FontOptions &options);

// The glyphs exactly as the header will hold them: fixed cells with their measuring sheet, or
// proportional glyphs.
struct FontGlyphs {
    std::optional<FixedFont> fixed;
    std::optional<zolvik::ProportionalFontHeader> proportional;
};

// Renders the chosen codes; nothing when the font leaves no ink.
std::optional<FontGlyphs> RenderFontGlyphs(const QString &family, int pointSize, int fontId,
                                           qreal dpi, const FontOptions &options);

// Thrown by FontOutputText for an array name that is not a C identifier.
class FontArrayNameRefused : public std::invalid_argument {
public:
    explicit FontArrayNameRefused(const std::string &name)
        : std::invalid_argument("not a C identifier"), FName(name)
    {}
    const std::string &Name() const { return FName; }

private:
    std::string FName;
};

// The header text of the glyphs in the chosen form.
std::string FontOutputText(const FontGlyphs &glyphs, int fontId, const FontOptions &options);

struct FontOutput {
    std::string header;  // the text of the header
    QImage sheet;        // the measuring sheet of fixed cells; null for proportional glyphs
    FontGlyphs glyphs;
};

// RenderFontGlyphs and FontOutputText together; nothing when the font leaves no ink.
std::optional<FontOutput> ComposeFontOutput(const QString &family, int pointSize, int fontId,
                                            qreal dpi, const FontOptions &options);
