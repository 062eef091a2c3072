#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/bmp_extent.h"

using namespace zolvik;

namespace {

void Put(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The two headers of a bitmap (the 40-byte info header, or the 12-byte OS/2 one when
// `coreHeader`), followed by zeros up to `length` bytes.
struct Headers {
    std::uint32_t totalSize, pixelOffset;
    std::int32_t width, height;
    std::uint32_t bitsPerPixel, compression = 0, imageSize = 0;
    bool coreHeader = false;
};

std::vector<std::uint8_t> Bitmap(const Headers &h, std::size_t length)
{
    std::vector<std::uint8_t> bytes(std::max<std::size_t>(length, 54));
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put(bytes, 2, h.totalSize, 4);
    Put(bytes, 10, h.pixelOffset, 4);
    if (h.coreHeader) {
        Put(bytes, 14, 12, 4);
        Put(bytes, 18, static_cast<std::uint32_t>(h.width), 2);
        Put(bytes, 20, static_cast<std::uint32_t>(h.height), 2);
        Put(bytes, 22, 1, 2);
        Put(bytes, 24, h.bitsPerPixel, 2);
    } else {
        Put(bytes, 14, 40, 4);
        Put(bytes, 18, static_cast<std::uint32_t>(h.width), 4);
        Put(bytes, 22, static_cast<std::uint32_t>(h.height), 4);
        Put(bytes, 26, 1, 2);
        Put(bytes, 28, h.bitsPerPixel, 2);
        Put(bytes, 30, h.compression, 4);
        Put(bytes, 34, h.imageSize, 4);
    }
    bytes.resize(length);
    return bytes;
}

}  // namespace

TEST(BmpExtent, RequiredLengthFromTheHeaders)
{
    struct Case {
        const char *what;
        Headers headers;
        std::uint64_t required;
    };
    const Case cases[] = {
        // 54 header bytes + 48 rows of 144 bytes.
        {"24-bit 48x48", {6966, 54, 48, 48, 24}, 6966},
        {"total size left zero", {0, 54, 48, 48, 24}, 6966},
        {"total size past the pixels", {7000, 54, 48, 48, 24}, 7000},
        {"rows stored from the top", {0, 54, 48, -48, 24}, 6966},
        // 33 one-bit pixels pad to 8 bytes a row; 2-colour palette before the pixels.
        {"1-bit rows padded to words", {0, 62, 33, 2, 1}, 62 + 16},
        {"8-bit run lengths use the image size", {0, 1078, 48, 48, 8, 1, 300}, 1078 + 300},
        // OS/2 header: 3 pixels of 24 bits pad to 12 bytes a row.
        {"OS/2 header", {0, 26, 3, 2, 24, 0, 0, true}, 26 + 24},
    };
    for (const Case &c : cases)
        EXPECT_EQ(BmpRequiredLength(Bitmap(c.headers, 54)), c.required) << c.what;
}

TEST(BmpExtent, AFileShorterThanItsHeadersIsIncomplete)
{
    const Headers icon{6966, 54, 48, 48, 24};
    struct Case {
        std::size_t length;
        bool complete;
    };
    for (const Case &c : {Case{6966, true}, Case{7100, true}, Case{6965, false}, Case{3483, false},
                          Case{54, false}})
        EXPECT_EQ(BmpIsComplete(Bitmap(icon, c.length)), c.complete) << c.length;
    // A lying total size alone makes the file incomplete too.
    EXPECT_FALSE(BmpIsComplete(Bitmap({9000, 54, 48, 48, 24}, 6966)));
}

TEST(BmpExtent, NoBitmapHeadersNoLength)
{
    const std::vector<std::uint8_t> words = {'t', 'h', 'e', 's', 'e', ' ', 'a', 'r', 'e', ' ',
                                             'w', 'o', 'r', 'd', 's', ',', ' ', 'n', 'o', 't'};
    EXPECT_EQ(BmpRequiredLength(words), std::nullopt);
    EXPECT_FALSE(BmpIsComplete(words));
    // The signature with a cut-off info header.
    EXPECT_EQ(BmpRequiredLength(Bitmap({6966, 54, 48, 48, 24}, 30)), std::nullopt);
    EXPECT_EQ(BmpRequiredLength(std::vector<std::uint8_t>{'B', 'M'}), std::nullopt);
}
