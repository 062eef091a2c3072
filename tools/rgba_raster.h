#pragma once
// A picture with transparency as plain data: width x height colours, row by row from the top,
// each colour packed as 0xAABBGGRR (red in the low byte, alpha in the high byte, 255 opaque).
#include <cstdint>
#include <vector>

#include "tools/rgb_raster.h"

namespace zolvik {

inline constexpr std::uint32_t kOpaque = 0xFF000000;

struct RgbaRaster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height colours, row-major

    std::uint32_t At(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

constexpr std::uint8_t RedOf(std::uint32_t rgba)
{
    return static_cast<std::uint8_t>(rgba);
}
constexpr std::uint8_t GreenOf(std::uint32_t rgba)
{
    return static_cast<std::uint8_t>(rgba >> 8);
}
constexpr std::uint8_t BlueOf(std::uint32_t rgba)
{
    return static_cast<std::uint8_t>(rgba >> 16);
}
constexpr std::uint8_t AlphaOf(std::uint32_t rgba)
{
    return static_cast<std::uint8_t>(rgba >> 24);
}

// The same picture with every pixel opaque.
inline RgbaRaster OpaqueRaster(const RgbRaster &raster)
{
    RgbaRaster opaque{raster.width, raster.height, {}};
    opaque.pixels.reserve(raster.pixels.size());
    for (const std::uint32_t colour : raster.pixels)
        opaque.pixels.push_back((colour & 0xFFFFFF) | kOpaque);
    return opaque;
}

}  // namespace zolvik
