#pragma once
// One 5x8 user-defined character of a character LCD: its pixels, the eight row bytes, the
// preview squares and the C initialiser text "u8 name[8] = {...};".
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zolvik {

inline constexpr int kLcdColumns = 5;
inline constexpr int kLcdRows = 8;

// Pixel (c, r) is at 8c + r; 0 is off, anything else on.
using LcdCharTable = std::array<std::uint8_t, kLcdColumns * kLcdRows>;
using LcdCharView = std::span<const std::uint8_t, kLcdColumns * kLcdRows>;
using LcdRowBytes = std::array<std::uint8_t, kLcdRows>;

constexpr int LcdIndex(int column, int row)
{
    return kLcdRows * column + row;
}

// A pressed pixel: 0 becomes 1, any other value 0.
constexpr std::uint8_t ToggledLcdPixel(std::uint8_t pixel)
{
    return pixel == 0 ? 1 : 0;
}

// Colours as 0x00BBGGRR: on pixels white, off pixels and the preview background blue.
inline constexpr std::uint32_t kLcdOnColour = 0xFFFFFF;
inline constexpr std::uint32_t kLcdOffColour = 0xFF0000;

// Row r has bit (4 - c) set for every lit pixel (c, r); row 0 is the top row.
LcdRowBytes LcdCharRowBytes(LcdCharView pixels);

// Bases of the array text, as the items of the base radio group; any other index is decimal.
inline constexpr int kLcdBaseBinary = 0;
inline constexpr int kLcdBaseHexadecimal = 1;
inline constexpr int kLcdBaseDecimal = 2;

// One row byte in the base: "0b" and five binary digits, "0x" and two upper-case hex digits,
// or plain decimal.
std::string LcdRowText(std::uint8_t row, int base);

// The eight rows in the base, joined by ", ".
std::string LcdRowListText(const LcdRowBytes &rows, int base);

// The name an array is written with: the placeholder "newArrray" for an empty name.
std::string_view LcdArrayName(std::string_view name);

// "u8 " name "[8] = {" then the eight row bytes joined by ", " and "};". An empty name
// gives the placeholder name "newArrray"; any other name stands exactly as typed.
std::string LcdArrayText(std::string_view name, const LcdRowBytes &rows, int base);

// The 4x4 square of pixel (c, r) on a preview of the given size: 6-pixel pitch, the
// character centred on the halves of width and height rounded toward zero.
struct LcdSquare {
    int left;
    int top;
    int width;
    int height;
};
LcdSquare LcdPreviewSquare(int column, int row, int previewWidth, int previewHeight);

}  // namespace zolvik
