#include "tools/png_extent.h"

#include <algorithm>
#include <array>

namespace zolvik {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(const std::uint8_t *bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

// The CRC-32 of ISO 3309 that PNG chunks carry over their type and data.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace

bool IsPngSignature(std::span<const std::uint8_t> file)
{
    return file.size() >= kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), file.begin());
}

bool PngIsComplete(std::span<const std::uint8_t> file)
{
    if (!IsPngSignature(file))
        return false;
    std::size_t at = kSignature.size();
    // Length, type and CRC: 12 bytes around the data.
    while (file.size() - at >= 12) {
        const std::uint32_t length = BigEndian32(file.data() + at);
        if (length > file.size() - at - 12)
            return false;
        const std::span<const std::uint8_t> typeAndData =
            file.subspan(at + 4, std::size_t{length} + 4);
        if (Crc32(typeAndData) != BigEndian32(file.data() + at + 8 + length))
            return false;
        if (std::equal(typeAndData.begin(), typeAndData.begin() + 4, "IEND"))
            return true;
        at += std::size_t{length} + 12;
    }
    return false;
}

}  // namespace zolvik
