#include "tools/cursor_import.h"

#include "tools/pixel_format.h"

namespace zolvik {

std::int32_t CursorCodeOfPixel(std::uint32_t rgba)
{
    // Everything in thousandths of a channel step, so the luminance stays exact.
    const std::int64_t l = Luminance1000(rgba);
    const std::int64_t a = std::int64_t{AlphaOf(rgba)} * 1000;
    const std::int64_t full = 255000;
    const std::int64_t toTransparent = a * a;
    const std::int64_t toBlack = l * l + (full - a) * (full - a);
    const std::int64_t toWhite = (full - l) * (full - l) + (full - a) * (full - a);
    if (toTransparent <= toBlack && toTransparent <= toWhite)
        return kCursorTransparent;
    return toWhite <= toBlack ? kCursorPalette1 : kCursorPalette0;
}

CursorImport ImportCursorPicture(const RgbaRaster &picture)
{
    if (picture.width != kCursorSide || picture.height != kCursorSide)
        return {std::nullopt, "The cursor picture must be 64x64 pixels, not " +
                                  std::to_string(picture.width) + "x" +
                                  std::to_string(picture.height)};
    CursorTable table{};
    for (int y = 0; y < kCursorSide; ++y)
        for (int x = 0; x < kCursorSide; ++x)
            table[CursorIndex(x, y)] = CursorCodeOfPixel(picture.At(x, y));
    return {table, {}};
}

}  // namespace zolvik
