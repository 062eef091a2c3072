#include "tools/bmp_extent.h"

#include <algorithm>
#include <cstdlib>

namespace zolvik {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the OS/2 header with 16-bit sides
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRle8 = 1, kRle4 = 2;

std::uint32_t Le16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return Le16(bytes, at) | Le16(bytes, at + 2) << 16;
}

// Rows are padded to whole 32-bit words.
std::uint64_t PixelArraySize(std::uint64_t width, std::uint64_t height, std::uint64_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4 * height;
}

}  // namespace

std::optional<std::uint64_t> BmpRequiredLength(std::span<const std::uint8_t> file)
{
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint64_t totalSize = Le32(file, 2);
    const std::uint64_t pixelOffset = Le32(file, 10);
    const std::uint32_t infoSize = Le32(file, 14);
    if (infoSize != kCoreHeaderSize && infoSize < kInfoHeaderSize)
        return std::nullopt;
    if (file.size() < kFileHeaderSize + infoSize)
        return std::nullopt;

    const std::span<const std::uint8_t> info = file.subspan(kFileHeaderSize);
    std::uint64_t pixelBytes = 0;
    if (infoSize == kCoreHeaderSize) {
        pixelBytes = PixelArraySize(Le16(info, 4), Le16(info, 6), Le16(info, 10));
    } else {
        // A negative width is no bitmap; a negative height stores the rows from the top.
        const auto width = static_cast<std::int32_t>(Le32(info, 4));
        const auto height = static_cast<std::int32_t>(Le32(info, 8));
        const std::uint32_t compression = Le32(info, 16);
        const auto rows = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(height)));
        if (compression == kRle8 || compression == kRle4)
            pixelBytes = Le32(info, 20);
        else if (width > 0)
            pixelBytes = PixelArraySize(static_cast<std::uint64_t>(width), rows, Le16(info, 14));
    }
    return std::max(totalSize, pixelOffset + pixelBytes);
}

bool BmpIsComplete(std::span<const std::uint8_t> file)
{
    const std::optional<std::uint64_t> required = BmpRequiredLength(file);
    return required && file.size() >= *required;
}

}  // namespace zolvik
