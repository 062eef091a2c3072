#pragma once
// The pixel formats of icon and picture data, one table shared by every place that names them:
// how a colour becomes a pixel word and how the words of a row become bytes.
//
// Colour channels are cut to the format's width by dropping their low bits (truncation, as
// display drivers do): RGB565 keeps red >> 3, green >> 2, blue >> 3. Formats without alpha
// use the colour channels as stored and ignore alpha, except `mono`, whose bit is set only
// for an opaque-enough pixel (alpha >= 128) whose luminance is below 50%.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "tools/rgba_raster.h"

namespace zolvik {

enum class PixelFormat { Rgb888, Rgb565, Rgb565Be, Bgr565, Rgb332, Argb8888, Mono };

struct PixelFormatInfo {
    PixelFormat format;
    std::string_view name;  // as the user types it
    int bitsPerPixel;       // 1, 8, 16, 24 or 32
    bool bigEndian;         // byte order of a multi-byte word
    int elementBytes;       // size of one element of the C array: the bytes read little-endian
    std::string_view elementType;  // C type of that element
    std::uint32_t (*word)(std::uint32_t rgba);
};

// Every format, rgb888 (today's records) first.
std::span<const PixelFormatInfo> PixelFormats();
const PixelFormatInfo &FormatInfo(PixelFormat format);
// The format of the given name; nothing for an unknown one.
std::optional<PixelFormat> PixelFormatNamed(std::string_view name);

// Luminance in thousandths of a channel step: 299 R + 587 G + 114 B (0 to 255000).
int Luminance1000(std::uint32_t rgba);

// Bytes of a width x height block in the format; rows of sub-byte formats padded to whole bytes.
std::size_t EncodedSize(int width, int height, PixelFormat format);

// Appends the pixels of the block at (left, top) in the format, rows from the top.
void AppendEncoded(const RgbaRaster &raster, int left, int top, int width, int height,
                   PixelFormat format, std::vector<std::uint8_t> &out);

}  // namespace zolvik
