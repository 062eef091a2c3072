#pragma once
// The eight user characters of a character LCD's CGRAM as one C array, character 0 first.
#include <array>
#include <string>
#include <string_view>

#include "tools/lcd_char.h"

namespace zolvik {

inline constexpr int kCgramCharacters = 8;
using LcdCgramSet = std::array<LcdRowBytes, kCgramCharacters>;

// "uint8_t " name "[8][8] = {", one line "    {rows}," per character in the base (the last
// without the comma), "};"; LF lines. An empty name gives the placeholder as LcdArrayText does.
std::string LcdCgramSetText(std::string_view name, const LcdCgramSet &set, int base);

}  // namespace zolvik
