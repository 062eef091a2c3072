#pragma once
// A 64x64 picture with transparency taken in as a cursor: each pixel becomes the code it is
// nearest to in luminance and alpha. Opaque black is palette 0, opaque white palette 1, and
// alpha 0 transparent. The fourth code inverts the screen, which no picture colour stands for,
// so a picture never gives it.
#include <cstdint>
#include <optional>
#include <string>

#include "tools/cursor_image.h"
#include "tools/rgba_raster.h"

namespace zolvik {

// The code of one 0xAABBGGRR pixel. With luminance L and alpha A (both 0 to 255), the
// distances are: to transparent A, to palette 0 |(L, 255 - A)|, to palette 1
// |(255 - L, 255 - A)|; the nearest wins, a tie going to transparent, then palette 1.
std::int32_t CursorCodeOfPixel(std::uint32_t rgba);

struct CursorImport {
    std::optional<CursorTable> table;  // nothing when the picture is refused
    std::string error;
};

// The picture's codes, or for a picture of another size the message
// "The cursor picture must be 64x64 pixels, not WxH".
CursorImport ImportCursorPicture(const RgbaRaster &picture);

}  // namespace zolvik
