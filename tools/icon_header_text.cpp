#include "tools/icon_header_text.h"

#include <sstream>
#include <stdexcept>

#include "tools/c_array_text.h"
#include "tools/line_writer.h"

namespace zolvik {

std::string IconHeaderText(std::string_view name, TileSize tile, int count, PixelFormat format,
                           std::span<const std::uint8_t> records)
{
    if (!IsCIdentifier(name))
        throw std::invalid_argument("the header name must be a C identifier");
    if (count < 1)
        throw std::invalid_argument("a header needs at least one tile");
    if (records.size() !=
        static_cast<std::size_t>(count) * EncodedSize(tile.width, tile.height, format))
        throw std::invalid_argument("the records do not hold the tiles");
    const PixelFormatInfo &info = FormatInfo(format);
    const std::string macro = UpperCaseName(name);
    const std::size_t elements = records.size() / static_cast<std::size_t>(info.elementBytes);
    std::ostringstream out(std::ios::binary);
    WriteLine(out, "/* " + std::string(name) + ": " + std::to_string(count) + " tiles of " +
                       std::to_string(tile.width) + "x" + std::to_string(tile.height) +
                       " pixels, " + std::string(info.name) + " */");
    WriteLine(out, "#ifndef " + macro + "_H");
    WriteLine(out, "#define " + macro + "_H");
    WriteLine(out, "");
    WriteLine(out, "#include <stdint.h>");
    WriteLine(out, "");
    WriteLine(out, "#define " + macro + "_TILE_WIDTH " + std::to_string(tile.width));
    WriteLine(out, "#define " + macro + "_TILE_HEIGHT " + std::to_string(tile.height));
    WriteLine(out, "#define " + macro + "_TILE_COUNT " + std::to_string(count));
    WriteLine(out, "");
    WriteLine(out, "static const " + std::string(info.elementType) + " " + std::string(name) +
                       "_pixels[" + std::to_string(elements) + "] = {");
    WriteHexElements(out, records, info.elementBytes,
                     info.elementBytes == 1   ? 16
                     : info.elementBytes == 2 ? 12
                                              : 8);
    WriteLine(out, "};");
    WriteLine(out, "");
    WriteLine(out, "#endif");
    return std::move(out).str();
}

}  // namespace zolvik
