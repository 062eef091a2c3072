#include "tools/glyph_header.h"

#include <sstream>
#include <stdexcept>

#include "tools/line_writer.h"

namespace zolvik {

namespace {

bool RowIsBlank(const RgbRaster &raster, int y)
{
    for (int x = 0; x < raster.width; ++x)
        if (raster.At(x, y) != kRasterWhite)
            return false;
    return true;
}

// Only integers are formatted here, so the decimal separator never shows.
constexpr char kNoDecimals = '.';

}  // namespace

bool LeftOutOfInkRows(int code)
{
    return code == '$' || code == ')' || code == '`' || code == '|';
}

std::optional<InkRows> FindInkRows(const RgbRaster &raster)
{
    int top = 0;
    while (top < raster.height && RowIsBlank(raster, top))
        ++top;
    if (top == raster.height)
        return std::nullopt;
    int bottom = raster.height - 1;
    while (RowIsBlank(raster, bottom))
        --bottom;
    return InkRows{top, bottom + 1 - top};
}

RgbRaster MarkTrimmedRows(RgbRaster raster, InkRows rows)
{
    if (raster.width == 0)
        return raster;
    for (int y = 0; y < raster.height; ++y)
        if (y < rows.top || y >= rows.top + rows.height)
            raster.Set(0, y, kRasterRed);
    return raster;
}

int BytesPerRow(int width)
{
    if (width < 1)
        throw std::invalid_argument("glyph width must be at least 1");
    return (width - 1) / 8 + 1;
}

std::vector<std::uint8_t> PackGlyph(const RgbRaster &raster, InkRows rows)
{
    if (rows.top < 0 || rows.height < 0 || rows.top + rows.height > raster.height)
        throw std::invalid_argument("ink rows outside the raster");
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(BytesPerRow(raster.width)) * rows.height);
    AppendPacked(raster, PixelBox{0, rows.top, raster.width, rows.height}, GlyphLayout::Rows,
                 bytes);
    return bytes;
}

int FontHeader::BytesPerChar() const
{
    return layout == GlyphLayout::Rows ? BytesPerRow(width) * height
                                       : PackedSize(width, height, layout);
}

std::string GlyphCodeComment(int code)
{
    std::string comment = "//" + std::to_string(code);
    // A backslash would splice the next line into the comment.
    if (code >= 33 && code <= 127 && code != '\\') {
        comment += ' ';
        comment += static_cast<char>(code);
    }
    return comment;
}

std::string GlyphLine(const std::uint8_t *bytes, int count, int code)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(static_cast<std::size_t>(count) * 4 + 16);
    line += '"';
    for (int i = 0; i < count; ++i) {
        line += "\\x";
        line += kHex[bytes[i] >> 4];
        line += kHex[bytes[i] & 0x0F];
    }
    line += "\" ";
    line += GlyphCodeComment(code);
    return line;
}

void CheckFontHeader(const FontHeader &header)
{
    if (header.first < 0 || header.last > 255 || header.first > header.last)
        throw std::invalid_argument("the character range must lie within 0 to 255");
    const std::int64_t total =
        static_cast<std::int64_t>(header.GlyphCount()) * header.BytesPerChar();
    if (static_cast<std::int64_t>(header.glyphs.size()) != total)
        throw std::invalid_argument("glyph buffer does not hold one glyph per code of the range");
}

void WriteFontHeader(std::ostream &stream, const FontHeader &header)
{
    const int bpc = header.BytesPerChar();
    CheckFontHeader(header);
    const std::int64_t total = static_cast<std::int64_t>(header.GlyphCount()) * bpc;

    const std::int64_t id = header.fontId;
    WriteLineFmt(stream, "//%s %d", {header.family, std::int64_t{header.pointSize}}, kNoDecimals);
    WriteLineFmt(stream, "//bytes/char = %d", {std::int64_t{bpc}}, kNoDecimals);
    WriteLineFmt(stream, "//width = %d", {std::int64_t{header.width}}, kNoDecimals);
    WriteLineFmt(stream, "//height = %d", {std::int64_t{header.height}}, kNoDecimals);
    WriteLineFmt(stream, "//first char = %d", {std::int64_t{header.first}}, kNoDecimals);
    WriteLineFmt(stream, "//last char = %d", {std::int64_t{header.last}}, kNoDecimals);
    if (header.layout != GlyphLayout::Rows)
        WriteLine(stream, "//layout = " + std::string(GlyphLayoutName(header.layout)));
    WriteLineFmt(stream, "const char fontmap%d[%d] = {", {id, total}, kNoDecimals);
    // Glyph lines are data, not formats: a "%" among them must reach the file as it is.
    for (int code = header.first; code <= header.last; ++code)
        WriteLine(stream, GlyphLine(header.glyphs.data() +
                                        static_cast<std::size_t>(code - header.first) * bpc,
                                    bpc, code));
    WriteLine(stream, "};");
    WriteLine(stream, " ");
    WriteLineFmt(stream, "tFONTBIN fontbin%d = {", {id}, kNoDecimals);
    WriteLineFmt(stream, "    .bpc = %d,", {std::int64_t{bpc}}, kNoDecimals);
    WriteLineFmt(stream, "    .width = %d,", {std::int64_t{header.width}}, kNoDecimals);
    WriteLineFmt(stream, "    .height = %d,", {std::int64_t{header.height}}, kNoDecimals);
    WriteLineFmt(stream, "    .first = %d,", {std::int64_t{header.first}}, kNoDecimals);
    WriteLineFmt(stream, "    .last = %d,", {std::int64_t{header.last}}, kNoDecimals);
    WriteLineFmt(stream, "    .pfont = fontmap%d", {id}, kNoDecimals);
    WriteLine(stream, "};");
    WriteLine(stream, " ");
}

std::string FontHeaderText(const FontHeader &header)
{
    std::ostringstream stream(std::ios::binary);
    WriteFontHeader(stream, header);
    return stream.str();
}

}  // namespace zolvik
