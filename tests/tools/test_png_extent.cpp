// A PNG is whole only with its chunks framed, their CRCs right and IEND reached.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/png_extent.h"

namespace {

// A 1x1 RGBA picture of 0x11223344 as zlib and PNG write it: signature, IHDR, IDAT, IEND.
const std::vector<std::uint8_t> kOnePixel = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00,
    0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78,
    0x9C, 0x63, 0x10, 0x54, 0x32, 0x76, 0x01, 0x00, 0x01, 0x59, 0x00, 0xAB, 0x13, 0x2A,
    0x25, 0xAB, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

std::vector<std::uint8_t> With(std::size_t at, std::uint8_t value)
{
    std::vector<std::uint8_t> bytes = kOnePixel;
    bytes[at] = value;
    return bytes;
}

}  // namespace

TEST(PngExtent, WholeFramedFileWithRightCrcsOnly)
{
    std::vector<std::uint8_t> trailing = kOnePixel;
    trailing.push_back(0);
    const struct {
        const char *what;
        std::vector<std::uint8_t> bytes;
        bool signature;
        bool complete;
    } cases[] = {
        {"whole", kOnePixel, true, true},
        {"a byte after IEND", trailing, true, true},
        {"a data byte changed", With(43, 0x11), true, false},
        {"a CRC byte changed", With(32, 0x88), true, false},
        {"a length past the end", With(36, 0x7F), true, false},
        {"IEND renamed", With(65, 'F'), true, false},
        {"signature changed", With(1, 'p'), false, false},
        {"empty", {}, false, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(zolvik::IsPngSignature(c.bytes), c.signature) << c.what;
        EXPECT_EQ(zolvik::PngIsComplete(c.bytes), c.complete) << c.what;
    }
    for (std::size_t length = 0; length < kOnePixel.size(); ++length)
        EXPECT_FALSE(zolvik::PngIsComplete(std::span(kOnePixel.data(), length))) << length;
}
