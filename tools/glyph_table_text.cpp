#include "tools/glyph_table_text.h"

#include <sstream>
#include <stdexcept>

#include "tools/line_writer.h"

namespace zolvik {

namespace {

std::string Decimal(const std::string &prefix, std::int64_t value, const std::string &suffix)
{
    return prefix + std::to_string(value) + suffix;
}

}  // namespace

std::string GlyphTableEntry(const ProportionalGlyph &glyph)
{
    return "{" + std::to_string(glyph.offset) + ", " + std::to_string(glyph.width) + ", " +
           std::to_string(glyph.height) + ", " + std::to_string(glyph.xOffset) + ", " +
           std::to_string(glyph.yOffset) + ", " + std::to_string(glyph.advance) + "}";
}

std::span<const std::uint8_t> GlyphBytes(const ProportionalGlyphs &set, std::size_t index)
{
    const std::size_t begin = set.glyphs[index].offset;
    const std::size_t end =
        index + 1 < set.glyphs.size() ? set.glyphs[index + 1].offset : set.bitmaps.size();
    return std::span<const std::uint8_t>(set.bitmaps).subspan(begin, end - begin);
}

void CheckProportionalFontHeader(const ProportionalFontHeader &header)
{
    if (header.first < 0 || header.last > 255 || header.first > header.last)
        throw std::invalid_argument("the character range must lie within 0 to 255");
    if (header.glyphs.glyphs.size() != static_cast<std::size_t>(header.last - header.first + 1))
        throw std::invalid_argument(
            "the glyph table does not hold one glyph per code of the range");
    std::uint32_t next = 0;
    for (const ProportionalGlyph &glyph : header.glyphs.glyphs) {
        if (glyph.offset < next || glyph.offset > header.glyphs.bitmaps.size())
            throw std::invalid_argument("glyph offsets must rise within the bitmap");
        next = glyph.offset;
    }
}

void WriteProportionalFontHeader(std::ostream &stream, const ProportionalFontHeader &header)
{
    CheckProportionalFontHeader(header);
    const std::size_t count = static_cast<std::size_t>(header.last - header.first + 1);
    const std::string id = std::to_string(header.fontId);
    // A C array cannot be empty: a font without any ink keeps one byte.
    const std::size_t total = header.glyphs.bitmaps.empty() ? 1 : header.glyphs.bitmaps.size();

    WriteLine(stream, "//" + header.family + " " + std::to_string(header.pointSize));
    WriteLine(stream, "//proportional");
    WriteLine(stream, Decimal("//line height = ", header.lineHeight, ""));
    WriteLine(stream, Decimal("//baseline = ", header.baseline, ""));
    WriteLine(stream, Decimal("//first char = ", header.first, ""));
    WriteLine(stream, Decimal("//last char = ", header.last, ""));
    WriteLine(stream, "//layout = " + std::string(GlyphLayoutName(header.layout)));
    WriteLine(stream, "const char fontmap" + id + "[" + std::to_string(total) + "] = {");
    for (std::size_t i = 0; i < count; ++i) {
        const std::span<const std::uint8_t> bytes = GlyphBytes(header.glyphs, i);
        WriteLine(stream, GlyphLine(bytes.data(), static_cast<int>(bytes.size()),
                                    header.first + static_cast<int>(i)));
    }
    WriteLine(stream, "};");
    WriteLine(stream, " ");
    WriteLine(stream, "const tGLYPH glyphs" + id + "[" + std::to_string(count) + "] = {");
    for (std::size_t i = 0; i < count; ++i)
        WriteLine(stream, "    " + GlyphTableEntry(header.glyphs.glyphs[i]) +
                              (i + 1 < count ? ", " : " ") +
                              GlyphCodeComment(header.first + static_cast<int>(i)));
    WriteLine(stream, "};");
    WriteLine(stream, " ");
    WriteLine(stream, "tFONTPROP fontprop" + id + " = {");
    WriteLine(stream, Decimal("    .height = ", header.lineHeight, ","));
    WriteLine(stream, Decimal("    .baseline = ", header.baseline, ","));
    WriteLine(stream, Decimal("    .first = ", header.first, ","));
    WriteLine(stream, Decimal("    .last = ", header.last, ","));
    WriteLine(stream, "    .pglyphs = glyphs" + id + ",");
    WriteLine(stream, "    .pfont = fontmap" + id);
    WriteLine(stream, "};");
    WriteLine(stream, " ");
}

std::string ProportionalFontHeaderText(const ProportionalFontHeader &header)
{
    std::ostringstream stream(std::ios::binary);
    WriteProportionalFontHeader(stream, header);
    return std::move(stream).str();
}

}  // namespace zolvik
