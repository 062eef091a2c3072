#pragma once
// How each format spells a ROM table: the lines around the data lines and the pieces of
// text around each element, as plain values for the streaming encoder.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/rom_table.h"

namespace zolvik {

// A few characters that the encoder copies whole, eight at a time.
struct RomTextPiece {
    std::array<char, 8> text{};
    std::uint8_t size = 0;

    RomTextPiece() = default;
    template <std::size_t Length>
    RomTextPiece(const char (&value)[Length]) : size(Length - 1)
    {
        static_assert(Length - 1 <= 8);
        for (std::size_t i = 0; i + 1 < Length; ++i)
            text[i] = value[i];
    }
};

// What stands before an element's value: nothing, its decimal index ("12 => ") or its
// zero-padded hexadecimal address ("0C : ").
enum class RomIndex { None, Decimal, Hex };

struct RomTableStyle {
    std::vector<std::string> head;  // lines before the data lines, without line ends
    std::vector<std::string> tail;  // lines after them
    std::string dataIndent;         // begins every data line
    std::int32_t columns = 8;       // elements a data line, counted in 8 bits (0 gives 256)
    RomIndex index = RomIndex::None;
    int indexWidth = 1;               // digits of a hexadecimal address
    RomTextPiece indexEnd;            // after the index
    RomTextPiece open;                // before the value's digits
    RomTextPiece close;               // after them
    RomTextPiece separator;           // after an element that another follows on its line
    RomTextPiece separatorAtLineEnd;  // after one that fills its line, another following
    RomTextPiece last;                // after the table's last element
};

// The style of the layout's format for `elementCount` elements. Throws Error for a name the
// format cannot declare, and for no elements in a format that has no empty tables.
RomTableStyle RomTableStyleOf(const RomTableLayout &layout, std::uint64_t elementCount);

}  // namespace zolvik
