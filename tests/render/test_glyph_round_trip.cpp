// The written glyph bytes drawn back into pixels match Qt's own bilevel drawing of the same
// glyphs, for a serif, a sans and a monospace font at three sizes, in both bit layouts: fixed
// cells inside their rows, proportional glyphs whole (no ink pixel lost, none added).
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>

#include <gtest/gtest.h>

#include "render/font_files.h"
#include "render/glyph_renderer.h"
#include "tools/glyph_table_text.h"

namespace {

constexpr qreal kDpi = 96;
const char *const kFamilies[] = {"DejaVu Serif", "DejaVu Sans", "DejaVu Sans Mono"};
constexpr int kSizes[] = {7, 12, 20};
constexpr zolvik::GlyphLayout kLayouts[] = {zolvik::GlyphLayout::Rows, zolvik::GlyphLayout::Pages};

// A width x height bilevel picture, true for ink.
using Bits = std::vector<std::vector<bool>>;

Bits Blank(int width, int height)
{
    return Bits(std::size_t(height), std::vector<bool>(std::size_t(width), false));
}

// Draws a width x height box of packed bits back, in either layout.
Bits Unpack(const std::uint8_t *bytes, int width, int height, zolvik::GlyphLayout layout)
{
    Bits bits = Blank(width, height);
    const int rowBytes = (width + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bits[y][x] = layout == zolvik::GlyphLayout::Rows
                             ? (bytes[y * rowBytes + x / 8] >> (7 - x % 8)) & 1
                             : (bytes[(y / 8) * width + x] >> (y % 8)) & 1;
    return bits;
}

// Qt's drawing of one code without antialiasing on a white canvas, the pen at (penX, baselineY).
Bits QtDrawing(const QFont &font, int code, int width, int height, int penX, int baselineY)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(penX, baselineY), QString(QChar(char16_t(code))));
    }
    Bits bits = Blank(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bits[y][x] = image.pixel(x, y) == qRgb(0, 0, 0);
    return bits;
}

bool Present(const QFont &font, int code)
{
    return QRawFont::fromFont(font).supportsCharacter(uint(code));
}

struct FontCase {
    QString family;
    int size;
    zolvik::GlyphLayout layout;
};

std::vector<FontCase> InstalledCases()
{
    std::vector<FontCase> cases;
    for (const char *family : kFamilies)
        if (QFontDatabase::hasFamily(family))
            for (const int size : kSizes)
                for (const zolvik::GlyphLayout layout : kLayouts)
                    cases.push_back({family, size, layout});
    return cases;
}

std::string Name(const FontCase &c)
{
    return c.family.toStdString() + " " + std::to_string(c.size) + " " +
           std::string(zolvik::GlyphLayoutName(c.layout));
}

}  // namespace

TEST(GlyphRoundTrip, FixedCellsAreQtsDrawingWithinTheInkRows)
{
    const std::vector<FontCase> cases = InstalledCases();
    if (cases.empty())
        GTEST_SKIP() << "no DejaVu font installed";
    for (const FontCase &c : cases) {
        const QFont font = GlyphFont(c.family, c.size, kDpi);
        const GlyphRenderer renderer(font);
        const QFontMetrics metrics(font);
        const std::optional<FixedFont> fixed =
            RenderFixedFont(c.family, c.size, 0, kDpi, {0, 255, c.layout, false});
        ASSERT_TRUE(fixed) << Name(c);
        const zolvik::FontHeader &header = fixed->header;
        ASSERT_EQ(header.glyphs.size(), std::size_t(256 * header.BytesPerChar())) << Name(c);
        for (int code = 0; code <= 255; ++code) {
            const Bits cell = Unpack(header.glyphs.data() + code * header.BytesPerChar(),
                                     header.width, header.height, c.layout);
            // Drawn away from the corner so that a shift would show.
            const Bits drawn = QtDrawing(font, code, header.width + 9, renderer.CellHeight() + 9, 5,
                                         5 + metrics.ascent());
            Bits expected = Blank(header.width, header.height);
            if (Present(font, code))
                for (int y = 0; y < header.height; ++y)
                    for (int x = 0; x < header.width; ++x)
                        expected[y][x] = drawn[5 + fixed->rows.top + y][5 + x];
            EXPECT_EQ(cell, expected) << Name(c) << " code " << code;
        }
    }
}

TEST(GlyphRoundTrip, ProportionalGlyphsAreQtsWholeDrawing)
{
    const std::vector<FontCase> cases = InstalledCases();
    if (cases.empty())
        GTEST_SKIP() << "no DejaVu font installed";
    for (const FontCase &c : cases) {
        const QFont font = GlyphFont(c.family, c.size, kDpi);
        const QFontMetrics metrics(font);
        const std::optional<zolvik::ProportionalFontHeader> header =
            RenderProportionalFont(c.family, c.size, 0, kDpi, {0, 255, c.layout, false});
        ASSERT_TRUE(header) << Name(c);
        ASSERT_EQ(header->glyphs.glyphs.size(), 256u) << Name(c);
        const int em = font.pixelSize();
        for (int code = 0; code <= 255; ++code) {
            const zolvik::ProportionalGlyph &glyph = header->glyphs.glyphs[std::size_t(code)];
            const bool present = Present(font, code);
            EXPECT_EQ(glyph.advance, present ? metrics.horizontalAdvance(QChar(char16_t(code))) : 0)
                << Name(c) << " code " << code;
            // A canvas twice the margin the renderer takes, so ink it cut would show here.
            const int width = std::max(0, glyph.advance) + 4 * em;
            const int height = metrics.height() + 4 * em;
            const int penX = 2 * em;
            const int baselineY = 2 * em + metrics.ascent();
            const Bits drawn = present ? QtDrawing(font, code, width, height, penX, baselineY)
                                       : Blank(width, height);
            Bits written = Blank(width, height);
            const Bits box = Unpack(header->glyphs.bitmaps.data() + glyph.offset, glyph.width,
                                    glyph.height, c.layout);
            const int lineTop = baselineY - header->baseline;
            for (int y = 0; y < glyph.height; ++y)
                for (int x = 0; x < glyph.width; ++x)
                    written[lineTop + glyph.yOffset + y][penX + glyph.xOffset + x] = box[y][x];
            EXPECT_EQ(written, drawn) << Name(c) << " code " << code;
            EXPECT_LE(glyph.yOffset + glyph.height, header->lineHeight)
                << Name(c) << " code " << code;
        }
    }
}
