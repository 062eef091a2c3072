#pragma once
// A picture as plain data: width x height colours, row by row from the top, each colour a
// 24-bit value packed as 0x00BBGGRR (red in the low byte).
#include <cstdint>
#include <vector>

namespace zolvik {

inline constexpr std::uint32_t kRasterBlack = 0x000000;
inline constexpr std::uint32_t kRasterWhite = 0xFFFFFF;
inline constexpr std::uint32_t kRasterRed = 0x0000FF;

struct RgbRaster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height colours, row-major

    RgbRaster() = default;
    RgbRaster(int w, int h, std::uint32_t fill = kRasterWhite)
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill)
    {}

    std::uint32_t At(int x, int y) const { return pixels[Index(x, y)]; }
    void Set(int x, int y, std::uint32_t colour) { pixels[Index(x, y)] = colour; }

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

}  // namespace zolvik
