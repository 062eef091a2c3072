#include "tools/lcd_cgram_set.h"

namespace zolvik {

std::string LcdCgramSetText(std::string_view name, const LcdCgramSet &set, int base)
{
    std::string text = "uint8_t ";
    text += LcdArrayName(name);
    text += "[8][8] = {\n";
    for (int k = 0; k < kCgramCharacters; ++k) {
        text += "    {" + LcdRowListText(set[k], base) + "}";
        text += k + 1 < kCgramCharacters ? ",\n" : "\n";
    }
    text += "};\n";
    return text;
}

}  // namespace zolvik
