#pragma once
// Reading back the array text of an LCD character: the eight row values in binary ("0b"),
// hexadecimal ("0x") or decimal, separated by commas, alone, in braces or inside the initialiser
// the page writes, "u8 name[8] = {...};" (any type words before the name).
#include <optional>
#include <string>
#include <string_view>

#include "tools/lcd_char.h"

namespace zolvik {

struct LcdArrayReading {
    std::optional<LcdRowBytes> rows;  // nothing when the text is malformed
    std::string name;                 // the array's name when the text has the wrapper
    std::string error;                // what is wrong, when there are no rows
};

LcdArrayReading ReadLcdArrayText(std::string_view text);

// The pixels of a character from its row bytes (1 for lit, 0 for off): LcdCharRowBytes inverted.
LcdCharTable LcdCharFromRowBytes(const LcdRowBytes &rows);

}  // namespace zolvik
