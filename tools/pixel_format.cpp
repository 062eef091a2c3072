#include "tools/pixel_format.h"

#include <array>
#include <stdexcept>

namespace zolvik {

namespace {

std::uint32_t Rgb888(std::uint32_t c)
{
    return std::uint32_t{RedOf(c)} << 16 | std::uint32_t{GreenOf(c)} << 8 | BlueOf(c);
}

std::uint32_t Rgb565(std::uint32_t c)
{
    return std::uint32_t(RedOf(c) >> 3) << 11 | std::uint32_t(GreenOf(c) >> 2) << 5 |
           std::uint32_t(BlueOf(c) >> 3);
}

std::uint32_t Bgr565(std::uint32_t c)
{
    return std::uint32_t(BlueOf(c) >> 3) << 11 | std::uint32_t(GreenOf(c) >> 2) << 5 |
           std::uint32_t(RedOf(c) >> 3);
}

std::uint32_t Rgb332(std::uint32_t c)
{
    return std::uint32_t(RedOf(c) >> 5) << 5 | std::uint32_t(GreenOf(c) >> 5) << 2 |
           std::uint32_t(BlueOf(c) >> 6);
}

std::uint32_t Argb8888(std::uint32_t c)
{
    return std::uint32_t{AlphaOf(c)} << 24 | Rgb888(c);
}

std::uint32_t Mono(std::uint32_t c)
{
    return AlphaOf(c) >= 128 && Luminance1000(c) < 127500 ? 1 : 0;
}

constexpr std::array<PixelFormatInfo, 7> kFormats{{
    {PixelFormat::Rgb888, "rgb888", 24, true, 1, "uint8_t", Rgb888},
    {PixelFormat::Rgb565, "rgb565", 16, false, 2, "uint16_t", Rgb565},
    {PixelFormat::Rgb565Be, "rgb565be", 16, true, 2, "uint16_t", Rgb565},
    {PixelFormat::Bgr565, "bgr565", 16, false, 2, "uint16_t", Bgr565},
    {PixelFormat::Rgb332, "rgb332", 8, false, 1, "uint8_t", Rgb332},
    {PixelFormat::Argb8888, "argb8888", 32, false, 4, "uint32_t", Argb8888},
    {PixelFormat::Mono, "mono", 1, true, 1, "uint8_t", Mono},
}};

}  // namespace

std::span<const PixelFormatInfo> PixelFormats()
{
    return kFormats;
}

const PixelFormatInfo &FormatInfo(PixelFormat format)
{
    for (const PixelFormatInfo &info : kFormats)
        if (info.format == format)
            return info;
    throw std::invalid_argument("unknown pixel format");
}

std::optional<PixelFormat> PixelFormatNamed(std::string_view name)
{
    for (const PixelFormatInfo &info : kFormats)
        if (info.name == name)
            return info.format;
    return std::nullopt;
}

int Luminance1000(std::uint32_t rgba)
{
    return 299 * RedOf(rgba) + 587 * GreenOf(rgba) + 114 * BlueOf(rgba);
}

std::size_t EncodedSize(int width, int height, PixelFormat format)
{
    const int bits = FormatInfo(format).bitsPerPixel;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bits + 7) / 8;
    return rowBytes * static_cast<std::size_t>(height);
}

void AppendEncoded(const RgbaRaster &raster, int left, int top, int width, int height,
                   PixelFormat format, std::vector<std::uint8_t> &out)
{
    if (left < 0 || top < 0 || width < 0 || height < 0 || left + width > raster.width ||
        top + height > raster.height)
        throw std::invalid_argument("block outside the raster");
    const PixelFormatInfo &info = FormatInfo(format);
    out.reserve(out.size() + EncodedSize(width, height, format));
    const int wordBytes = info.bitsPerPixel / 8;
    for (int y = top; y < top + height; ++y) {
        if (info.bitsPerPixel == 1) {
            std::uint8_t byte = 0;
            for (int x = 0; x < width; ++x) {
                byte |= static_cast<std::uint8_t>(info.word(raster.At(left + x, y)) << (7 - x % 8));
                if (x % 8 == 7 || x == width - 1) {
                    out.push_back(byte);
                    byte = 0;
                }
            }
            continue;
        }
        for (int x = left; x < left + width; ++x) {
            const std::uint32_t word = info.word(raster.At(x, y));
            for (int k = 0; k < wordBytes; ++k) {
                const int shift = 8 * (info.bigEndian ? wordBytes - 1 - k : k);
                out.push_back(static_cast<std::uint8_t>(word >> shift));
            }
        }
    }
}

}  // namespace zolvik
