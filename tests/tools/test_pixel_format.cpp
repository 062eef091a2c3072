#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tools/pixel_format.h"
#include "tools/tile_sheet.h"

using namespace zolvik;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t Rgba(int r, int g, int b, int a = 255)
{
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(b) << 16 |
           static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(r);
}

// The rule, once: a channel is cut to n bits by dropping its low bits (c / 2^(8-n)); words go
// out little-endian except rgb888 (red, green, blue) and rgb565be (high byte first).
Bytes Reference(PixelFormat format, int r, int g, int b, int a)
{
    const auto le16 = [](int word) {
        return Bytes{std::uint8_t(word % 256), std::uint8_t(word / 256)};
    };
    switch (format) {
    case PixelFormat::Rgb888: return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
    case PixelFormat::Rgb565: return le16(r / 8 * 2048 + g / 4 * 32 + b / 8);
    case PixelFormat::Rgb565Be: {
        const Bytes le = le16(r / 8 * 2048 + g / 4 * 32 + b / 8);
        return {le[1], le[0]};
    }
    case PixelFormat::Bgr565: return le16(b / 8 * 2048 + g / 4 * 32 + r / 8);
    case PixelFormat::Rgb332: return {std::uint8_t(r / 32 * 32 + g / 32 * 4 + b / 64)};
    case PixelFormat::Argb8888:
        return {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r), std::uint8_t(a)};
    case PixelFormat::Mono:
        // A one-pixel row padded to a byte: bit 7 for dark (below half luminance), opaque enough.
        return {std::uint8_t(a >= 128 && 0.299 * r + 0.587 * g + 0.114 * b < 127.5 ? 0x80 : 0)};
    }
    return {};
}

struct Colour {
    int r, g, b, a;
};

// Known colours: the corners of the cube, greys either side of half luminance, channels whose
// low bits are all set (where rounding would differ from truncation), and transparency.
const std::vector<Colour> kSheetColours = {
    {0, 0, 0, 255},          {255, 255, 255, 255},    {255, 0, 0, 255},   {0, 255, 0, 255},
    {0, 0, 255, 255},        {255, 255, 0, 255},      {0, 255, 255, 255}, {255, 0, 255, 255},
    {128, 128, 128, 255},    {127, 127, 127, 255},    {7, 3, 7, 255},     {0xF8, 0xFC, 0xF8, 255},
    {0x12, 0x34, 0x56, 255}, {0xFF, 0x7F, 0x01, 128}, {0, 0, 0, 127},     {200, 100, 50, 0},
};

}  // namespace

TEST(PixelFormat, EveryFormatMatchesTheRuleOnASheetOfKnownColours)
{
    // One-pixel tiles: each record is one colour of the sheet, in order.
    RgbaRaster sheet{4, 4, {}};
    for (const Colour &c : kSheetColours)
        sheet.pixels.push_back(Rgba(c.r, c.g, c.b, c.a));
    for (const PixelFormatInfo &info : PixelFormats()) {
        Bytes expected;
        for (const Colour &c : kSheetColours) {
            const Bytes pixel = Reference(info.format, c.r, c.g, c.b, c.a);
            expected.insert(expected.end(), pixel.begin(), pixel.end());
        }
        EXPECT_EQ(TileRecords(sheet, {1, 1}, info.format), expected) << info.name;
    }
}

TEST(PixelFormat, HandWorkedBytesOfOneColour)
{
    // 0x12 0x34 0x56: red 00010|010, green 001101|00, blue 01010|110.
    const RgbaRaster pixel{1, 1, {Rgba(0x12, 0x34, 0x56, 0x9A)}};
    const struct {
        const char *name;
        Bytes bytes;
    } cases[] = {
        {"rgb888", {0x12, 0x34, 0x56}},
        {"rgb565", {0xAA, 0x11}},
        {"rgb565be", {0x11, 0xAA}},
        {"bgr565", {0xA2, 0x51}},
        {"rgb332", {0x05}},
        {"argb8888", {0x56, 0x34, 0x12, 0x9A}},
        {"mono", {0x80}},
    };
    ASSERT_EQ(std::size(cases), PixelFormats().size());
    for (const auto &c : cases) {
        const std::optional<PixelFormat> format = PixelFormatNamed(c.name);
        ASSERT_TRUE(format) << c.name;
        EXPECT_EQ(FormatInfo(*format).name, c.name);
        EXPECT_EQ(TileRecords(pixel, {1, 1}, *format), c.bytes) << c.name;
    }
    EXPECT_FALSE(PixelFormatNamed("RGB565"));
    EXPECT_FALSE(PixelFormatNamed(""));
}

TEST(PixelFormat, MonoRowsArePaddedToWholeBytes)
{
    // 10 x 2: row 0 dark at x = 0, 7, 8, 9; row 1 dark at x = 1 only.
    RgbaRaster sheet{10, 2, std::vector<std::uint32_t>(20, Rgba(255, 255, 255))};
    for (const int x : {0, 7, 8, 9})
        sheet.pixels[x] = Rgba(0, 0, 0);
    sheet.pixels[10 + 1] = Rgba(40, 40, 40);
    EXPECT_EQ(EncodedSize(10, 2, PixelFormat::Mono), 4u);
    EXPECT_EQ(TileRecords(sheet, {10, 2}, PixelFormat::Mono), (Bytes{0x81, 0xC0, 0x40, 0x00}));
}
