#include "tools/font_array_text.h"

#include <sstream>
#include <stdexcept>

#include "tools/c_array_text.h"
#include "tools/line_writer.h"
#include "common/number_text.h"

namespace zolvik {

namespace {

// A glyph's bytes on one line, then the code as a comment; "*/" cannot occur in it.
std::string BitmapLine(std::span<const std::uint8_t> bytes, int code)
{
    std::string line = "   ";
    line.reserve(bytes.size() * 6 + 16);
    for (const std::uint8_t byte : bytes)
        line += " 0x" + IntToHex(byte, 2) + ",";
    line += " /* " + std::to_string(code);
    if (code >= 33 && code <= 126) {
        line += ' ';
        line += static_cast<char>(code);
    }
    return line + " */";
}

void CheckName(std::string_view name)
{
    if (!IsCIdentifier(name))
        throw std::invalid_argument("the font name must be a C identifier");
}

void WriteOpening(std::ostream &out, const std::string &name, const std::string &what)
{
    const std::string guard = UpperCaseName(name) + "_H";
    WriteLine(out, "/* " + what + " */");
    WriteLine(out, "#ifndef " + guard);
    WriteLine(out, "#define " + guard);
    WriteLine(out, "");
    WriteLine(out, "#include <stdint.h>");
    WriteLine(out, "");
}

// The bitmap array, one line per glyph; glyph i's bytes are bytes(i).
template <typename Bytes>
void WriteBitmaps(std::ostream &out, const std::string &name, std::size_t total, int first,
                  int count, Bytes bytes)
{
    WriteLine(out, "static const uint8_t " + name + "_bitmaps[" +
                       std::to_string(total == 0 ? 1 : total) + "] = {");
    if (total == 0)
        WriteLine(out, "    0x00, /* no glyph has ink */");
    for (int i = 0; i < count; ++i)
        WriteLine(out, BitmapLine(bytes(i), first + i));
    WriteLine(out, "};");
    WriteLine(out, "");
}

std::string Field(const std::string &field, std::int64_t value)
{
    return "    ." + field + " = " + std::to_string(value) + ",";
}

}  // namespace

std::string FontArrayText(std::string_view name, const FontHeader &header)
{
    CheckName(name);
    CheckFontHeader(header);
    const std::string id(name);
    const int bpc = header.BytesPerChar();
    std::ostringstream out(std::ios::binary);
    WriteOpening(out, id,
                 header.family + " " + std::to_string(header.pointSize) + ", fixed cells, " +
                     std::string(GlyphLayoutName(header.layout)) + " layout");
    WriteLine(out, "typedef struct {");
    WriteLine(out, "    uint16_t width;           /* cell width in pixels */");
    WriteLine(out, "    uint16_t height;          /* cell height in rows */");
    WriteLine(out, "    uint16_t bytes_per_glyph;");
    WriteLine(out, "    uint8_t first;            /* code of the first glyph */");
    WriteLine(out, "    uint8_t last;             /* code of the last glyph */");
    WriteLine(out, "    uint8_t layout;           /* 0 rows, 1 pages */");
    WriteLine(out, "    const uint8_t *bitmaps;   /* glyph i at i * bytes_per_glyph */");
    WriteLine(out, "} " + id + "_font_t;");
    WriteLine(out, "");
    WriteBitmaps(out, id, header.glyphs.size(), header.first, header.GlyphCount(), [&](int i) {
        return std::span<const std::uint8_t>(header.glyphs)
            .subspan(static_cast<std::size_t>(i) * bpc, bpc);
    });
    WriteLine(out, "static const " + id + "_font_t " + id + " = {");
    WriteLine(out, Field("width", header.width));
    WriteLine(out, Field("height", header.height));
    WriteLine(out, Field("bytes_per_glyph", bpc));
    WriteLine(out, Field("first", header.first));
    WriteLine(out, Field("last", header.last));
    WriteLine(out, Field("layout", header.layout == GlyphLayout::Pages ? 1 : 0));
    WriteLine(out, "    .bitmaps = " + id + "_bitmaps");
    WriteLine(out, "};");
    WriteLine(out, "");
    WriteLine(out, "#endif");
    return std::move(out).str();
}

std::string FontArrayText(std::string_view name, const ProportionalFontHeader &header)
{
    CheckName(name);
    CheckProportionalFontHeader(header);
    const std::string id(name);
    const int count = header.last - header.first + 1;
    std::ostringstream out(std::ios::binary);
    WriteOpening(out, id,
                 header.family + " " + std::to_string(header.pointSize) + ", proportional, " +
                     std::string(GlyphLayoutName(header.layout)) + " layout");
    WriteLine(out, "typedef struct {");
    WriteLine(out, "    uint32_t offset;          /* first byte in the bitmaps */");
    WriteLine(out, "    uint16_t width;           /* ink box in pixels */");
    WriteLine(out, "    uint16_t height;");
    WriteLine(out, "    int16_t x_offset;         /* from the pen to the left of the box */");
    WriteLine(out, "    int16_t y_offset;         /* from the line top to the top of the box */");
    WriteLine(out, "    uint16_t advance;         /* pen step to the next glyph */");
    WriteLine(out, "} " + id + "_glyph_t;");
    WriteLine(out, "");
    WriteLine(out, "typedef struct {");
    WriteLine(out, "    uint16_t line_height;     /* rows from one line top to the next */");
    WriteLine(out, "    uint16_t baseline;        /* rows from the line top to the baseline */");
    WriteLine(out, "    uint8_t first;            /* code of the first glyph */");
    WriteLine(out, "    uint8_t last;             /* code of the last glyph */");
    WriteLine(out, "    uint8_t layout;           /* 0 rows, 1 pages */");
    WriteLine(out, "    const " + id + "_glyph_t *glyphs;");
    WriteLine(out, "    const uint8_t *bitmaps;");
    WriteLine(out, "} " + id + "_font_t;");
    WriteLine(out, "");
    WriteBitmaps(out, id, header.glyphs.bitmaps.size(), header.first, count,
                 [&](int i) { return GlyphBytes(header.glyphs, static_cast<std::size_t>(i)); });
    WriteLine(out, "static const " + id + "_glyph_t " + id + "_glyphs[" + std::to_string(count) +
                       "] = {");
    for (int i = 0; i < count; ++i)
        WriteLine(out, "    " + GlyphTableEntry(header.glyphs.glyphs[static_cast<std::size_t>(i)]) +
                           ", /* " + std::to_string(header.first + i) + " */");
    WriteLine(out, "};");
    WriteLine(out, "");
    WriteLine(out, "static const " + id + "_font_t " + id + " = {");
    WriteLine(out, Field("line_height", header.lineHeight));
    WriteLine(out, Field("baseline", header.baseline));
    WriteLine(out, Field("first", header.first));
    WriteLine(out, Field("last", header.last));
    WriteLine(out, Field("layout", header.layout == GlyphLayout::Pages ? 1 : 0));
    WriteLine(out, "    .glyphs = " + id + "_glyphs,");
    WriteLine(out, "    .bitmaps = " + id + "_bitmaps");
    WriteLine(out, "};");
    WriteLine(out, "");
    WriteLine(out, "#endif");
    return std::move(out).str();
}

}  // namespace zolvik
