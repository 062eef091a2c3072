#pragma once
// The C99 form of a font header: "static const uint8_t NAME_bitmaps[]" with one line of
// bytes per glyph, the descriptor's own struct type and its initialiser "NAME", all in one
// self-contained header that compiles with gcc -std=c99 -Wall -Wextra -Werror.
#include <string>
#include <string_view>

#include "tools/glyph_header.h"
#include "tools/glyph_table_text.h"

namespace zolvik {

// Fixed cells: NAME_font_t {width, height, bytes_per_glyph, first, last, layout, bitmaps}.
// Throws std::invalid_argument for a name that is not a C identifier or a header that the
// string form refuses.
std::string FontArrayText(std::string_view name, const FontHeader &header);

// Proportional glyphs: NAME_glyph_t {offset, width, height, x_offset, y_offset, advance},
// "static const NAME_glyph_t NAME_glyphs[]" and NAME_font_t {line_height, baseline, first,
// last, layout, glyphs, bitmaps}.
std::string FontArrayText(std::string_view name, const ProportionalFontHeader &header);

}  // namespace zolvik
