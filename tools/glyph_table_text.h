#pragma once
// The header of a proportional font in the string form of the fonts page: the glyph bits as
// string literals of each glyph's own length, the table of glyph metrics beside them and the
// initialiser of the firmware's tFONTPROP descriptor with the line height and baseline.
#include <cstdint>
#include <ostream>
#include <span>
#include <string>

#include "tools/glyph_layout.h"
#include "tools/glyph_set.h"

namespace zolvik {

struct ProportionalFontHeader {
    std::string family;  // UTF-8
    int pointSize = 0;
    int fontId = 0;
    int lineHeight = 0;  // rows from one line's top to the next
    int baseline = 0;    // rows from the line's top to the baseline
    int first = kFirstGlyphCode;
    int last = kLastGlyphCode;
    GlyphLayout layout = GlyphLayout::Rows;
    ProportionalGlyphs glyphs;  // one per code of the range
};

// One glyph's table entry: "{offset, width, height, xOffset, yOffset, advance}".
std::string GlyphTableEntry(const ProportionalGlyph &glyph);

// The bytes of glyph `index` of the set: from its offset to the next glyph's (or the end).
std::span<const std::uint8_t> GlyphBytes(const ProportionalGlyphs &set, std::size_t index);

// Comments, "const char fontmap<id>[N]" of one string line per glyph, "const tGLYPH
// glyphs<id>[count]" of one entry per glyph and "tFONTPROP fontprop<id>"; CR LF lines.
// Throws std::invalid_argument for a range outside 0 to 255, a table of another length than the
// range or offsets that fall or leave the bitmap.
void CheckProportionalFontHeader(const ProportionalFontHeader &header);
void WriteProportionalFontHeader(std::ostream &stream, const ProportionalFontHeader &header);
std::string ProportionalFontHeaderText(const ProportionalFontHeader &header);

}  // namespace zolvik
