#pragma once
// Glyph bitmaps of a rendered font and the C header that carries them to the firmware.
// The rasters come from a renderer that draws pure black ink on pure white: a pixel is ink
// only when exactly black and blank only when exactly white.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/glyph_layout.h"
#include "tools/rgb_raster.h"

namespace zolvik {

inline constexpr int kFirstGlyphCode = 0;
inline constexpr int kLastGlyphCode = 255;
inline constexpr int kGlyphCount = kLastGlyphCode - kFirstGlyphCode + 1;

// Codes whose glyphs take no part in finding the inked rows: their ink may reach above or
// below every other glyph, so the trimmed cell cuts it off.
bool LeftOutOfInkRows(int code);

// The rows of the cell that the glyphs use: `height` rows from row `top`.
struct InkRows {
    int top = 0;
    int height = 0;
};

// The rows from the first to the last one holding a pixel that is not exactly white;
// nothing when every row is blank.
std::optional<InkRows> FindInkRows(const RgbRaster &raster);

// The raster with a red marker at the left edge, (0, y), of every row outside the ink rows.
RgbRaster MarkTrimmedRows(RgbRaster raster, InkRows rows);

// Bytes per glyph row: the width rounded up to whole bytes. Width must be at least 1.
int BytesPerRow(int width);

// One glyph's bytes: the ink rows of the raster, each packed into BytesPerRow(width) bytes,
// leftmost pixel in bit 7 of the first byte, padding bits after the last pixel left 0.
std::vector<std::uint8_t> PackGlyph(const RgbRaster &raster, InkRows rows);

// Everything the header states about one generated font.
struct FontHeader {
    std::string family;  // UTF-8
    int pointSize = 0;
    int fontId = 0;
    int width = 0;   // cell width in pixels
    int height = 0;  // trimmed glyph height in rows
    std::vector<std::uint8_t>
        glyphs;                   // GlyphCount() glyphs of BytesPerChar() bytes, code `first` first
    int first = kFirstGlyphCode;  // the character range, within 0 to 255
    int last = kLastGlyphCode;
    GlyphLayout layout = GlyphLayout::Rows;  // any other than rows is named in a comment line

    int GlyphCount() const { return last - first + 1; }
    int BytesPerChar() const;
};

// The comment after a glyph: "//" and the code and, for printable ASCII other than the
// backslash, a blank and the character.
std::string GlyphCodeComment(int code);

// The glyph line of one code: its bytes as "\xHH" escapes in one string literal, then a
// comment with the code and, for printable ASCII other than the backslash, the character.
std::string GlyphLine(const std::uint8_t *bytes, int count, int code);

// Writes the header: comments, the glyph array as adjacent string literals and the
// initialiser of the firmware's tFONTBIN descriptor; one byte per character, CR LF lines.
// Throws std::invalid_argument for a range outside 0 to 255 or when the glyph buffer does not
// hold one glyph per code of the range.
void CheckFontHeader(const FontHeader &header);
void WriteFontHeader(std::ostream &stream, const FontHeader &header);
std::string FontHeaderText(const FontHeader &header);

}  // namespace zolvik
