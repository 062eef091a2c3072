#include "tools/cursor_image.h"

#include <algorithm>
#include <sstream>

#include "tools/line_writer.h"
#include "common/number_text.h"

namespace zolvik {

std::int32_t CursorCodeFromText(std::string_view text)
{
    return StrToIntDef(text, 0);
}

std::uint32_t CursorCellColour(std::int32_t code, bool hotSpot)
{
    switch (code) {
    case kCursorPalette0: return hotSpot ? 0x0000FF : 0x000000;     // red / black
    case kCursorPalette1: return hotSpot ? 0x00FFFF : 0xFFFFFF;     // yellow / white
    case kCursorTransparent: return hotSpot ? 0x808080 : 0xC0C0C0;  // grey / silver
    default: return hotSpot ? 0xFFFF00 : 0x008000;                  // aqua / green
    }
}

std::vector<std::pair<int, int>> CursorShapeCells(CursorShape shape)
{
    std::vector<std::pair<int, int>> cells;
    cells.reserve(4 * kCursorSide);
    const int last = kCursorSide - 1;
    // Two horizontal lines (rows a, b) across the picture, then two vertical ones.
    const auto lines = [&](int a, int b) {
        for (int i = 0; i < kCursorSide; ++i) {
            cells.emplace_back(i, a);
            cells.emplace_back(i, b);
        }
        for (int i = 0; i < kCursorSide; ++i) {
            cells.emplace_back(a, i);
            cells.emplace_back(b, i);
        }
    };
    switch (shape) {
    case CursorShape::Cross: lines(31, 32); break;
    case CursorShape::Diagonals:
        for (int i = 0; i < kCursorSide; ++i) {
            cells.emplace_back(i, i);
            cells.emplace_back(last - i, i);
        }
        break;
    case CursorShape::Hash: lines(21, 42); break;
    }
    return cells;
}

std::uint8_t PackCursorPixels(std::int32_t first, std::int32_t second, std::int32_t third,
                              std::int32_t fourth)
{
    return static_cast<std::uint8_t>(((first & 3) << 6) | ((second & 3) << 4) | ((third & 3) << 2) |
                                     (fourth & 3));
}

std::string CursorHeaderLine(CursorView table, int row)
{
    std::string line;
    line.reserve(5 * kCursorSide / 4);
    for (int x = 0; x < kCursorSide; x += 4) {
        const std::uint8_t byte =
            PackCursorPixels(table[CursorIndex(x, row)], table[CursorIndex(x + 1, row)],
                             table[CursorIndex(x + 2, row)], table[CursorIndex(x + 3, row)]);
        line += "0x";
        line += IntToHex(byte, 2);
        line += ',';
    }
    return line;
}

std::string CursorHeaderText(CursorView table)
{
    std::ostringstream out;
    WriteLine(out, "const unsigned char cursor[1024] = {");
    for (int y = 0; y < kCursorSide; ++y)
        WriteLineFmt(out, "%s", {CursorHeaderLine(table, y)}, '.');
    WriteLine(out, "};");
    return std::move(out).str();
}

std::string CursorBinary(CursorView table)
{
    std::string bytes(kCursorBinarySize, '\0');
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto value = static_cast<std::uint32_t>(table[i]);
        for (std::size_t k = 0; k < 4; ++k)
            bytes[4 * i + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    return bytes;
}

CursorTable LoadCursorBinary(CursorView table, std::string_view bytes)
{
    CursorTable loaded;
    std::copy(table.begin(), table.end(), loaded.begin());
    const std::size_t count = std::min(bytes.size(), kCursorBinarySize);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t element = i / 4;
        const unsigned shift = 8 * static_cast<unsigned>(i % 4);
        auto value = static_cast<std::uint32_t>(loaded[element]);
        value &= ~(std::uint32_t{0xFF} << shift);
        value |= std::uint32_t{static_cast<unsigned char>(bytes[i])} << shift;
        loaded[element] = static_cast<std::int32_t>(value);
    }
    return loaded;
}

}  // namespace zolvik
