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

std::string LcdRowText(std::uint8_t row, int base)
{
    switch (base) {
    case kLcdBaseBinary: return "0b" + IntToBin(row, kLcdColumns);
    case kLcdBaseHexadecimal: return "0x" + IntToHex(row, 2);
    default: return IntToStr(row);
    }
}

std::string LcdRowListText(const LcdRowBytes &rows, int base)
{
    std::string text;
    for (int r = 0; r < kLcdRows; ++r) {
        if (r > 0)
            text += ", ";
        text += LcdRowText(rows[r], base);
    }
    return text;
}

std::string_view LcdArrayName(std::string_view name)
{
    return name.empty() ? std::string_view("newArrray") : name;
}

std::string LcdArrayText(std::string_view name, const LcdRowBytes &rows, int base)
{
    std::string text = "u8 ";
    text += LcdArrayName(name);
    text += "[8] = {";
    text += LcdRowListText(rows, base);
    text += "};";
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
