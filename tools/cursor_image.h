#pragma once
// The 64x64 cursor picture: two-bit pixel codes kept one 32-bit integer per pixel, column by
// column, its fill colours, the three preset shapes, and its two file formats (a C header
// with four pixels to a byte, row by row, and a raw little-endian dump of the table).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolvik {

inline constexpr int kCursorSide = 64;
inline constexpr int kCursorPixelCount = kCursorSide * kCursorSide;
inline constexpr std::size_t kCursorBinarySize = kCursorPixelCount * sizeof(std::int32_t);

// Element of pixel (x, y) is at 64x + y: the table runs down each column in turn.
using CursorTable = std::array<std::int32_t, kCursorPixelCount>;
using CursorView = std::span<const std::int32_t, kCursorPixelCount>;

constexpr int CursorIndex(int column, int row)
{
    return kCursorSide * column + row;
}

// Pixel codes, in the order of the colour radio group.
inline constexpr std::int32_t kCursorPalette0 = 0;
inline constexpr std::int32_t kCursorPalette1 = 1;
inline constexpr std::int32_t kCursorTransparent = 2;
inline constexpr std::int32_t kCursorInverted = 3;

// The code a grid cell's text stands for: its whole-number reading, 0 when it is not one.
std::int32_t CursorCodeFromText(std::string_view text);

// Fill colour of a cell as 0x00BBGGRR. Every code other than 0, 1 and 2 paints like 3; the
// hot spot swaps each fill for its own marker colour.
std::uint32_t CursorCellColour(std::int32_t code, bool hotSpot);

// Cells (column, row) of a preset shape, in stamping order; a cell may repeat.
enum class CursorShape { Cross, Diagonals, Hash };
std::vector<std::pair<int, int>> CursorShapeCells(CursorShape shape);

// Four pixels in one byte, leftmost in the two highest bits; only the low two bits of each
// element count.
std::uint8_t PackCursorPixels(std::int32_t first, std::int32_t second, std::int32_t third,
                              std::int32_t fourth);

// Row y of the header: sixteen entries "0xHH," with no blanks (80 characters).
std::string CursorHeaderLine(CursorView table, int row);

// The whole header file: "const unsigned char cursor[1024] = {", 64 rows, "};", every line
// ending in CR LF (5,290 bytes).
std::string CursorHeaderText(CursorView table);

// The table as 16,384 bytes, each element a little-endian signed 32-bit integer.
std::string CursorBinary(CursorView table);

// The table with its leading bytes replaced by the file's bytes: a short file leaves the rest
// as it was, bytes past the table's size are ignored.
CursorTable LoadCursorBinary(CursorView table, std::string_view bytes);

}  // namespace zolvik
