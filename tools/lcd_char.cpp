#include "tools/lcd_char.h"

#include "common/u_string.h"
#include "common/number_text.h"

namespace zolvik {

LcdRowBytes LcdCharRowBytes(LcdCharView pixels)
{
    LcdRowBytes rows{};
    for (int r = 0; r < kLcdRows; ++r)
        for (int c = 0; c < kLcdColumns; ++c)
            if (pixels[LcdIndex(c, r)] != 0)
                rows[r] |= static_cast<std::uint8_t>(1u << (kLcdColumns - 1 - c));
    return rows;
}

std::string LcdArrayText(std::string_view name, const LcdRowBytes &rows, int base)
{
    std::string text = "u8 ";
    text += name.empty() ? std::string_view("newArrray") : name;
    text += "[8] = {";
    for (int r = 0; r < kLcdRows; ++r) {
        switch (base) {
        case kLcdBaseBinary:
            text += "0b" + IntToBin(rows[r], kLcdColumns);
            break;
        case kLcdBaseHexadecimal:
            text += "0x" + IntToHex(rows[r], 2);
            break;
        default:
            text += IntToStr(rows[r]);
            break;
        }
        text += r < kLcdRows - 1 ? ", " : "};";
    }
    return text;
}

LcdSquare LcdPreviewSquare(int column, int row, int previewWidth, int previewHeight)
{
    constexpr int kPitch = 6;
    constexpr int kSide = 4;
    return {previewWidth / 2 - 15 + kPitch * column, previewHeight / 2 - 24 + kPitch * row, kSide,
            kSide};
}

}  // namespace zolvik
