// The font header composition: its defaults give the fonts page's header and sheet as the
// page has always drawn them, and the preview shows the written bytes pixel for pixel.
#include <gtest/gtest.h>

#include "render/font_files.h"
#include "render/font_output.h"
#include "render/font_preview.h"
#include "render/glyph_renderer.h"
#include "render/raster_image.h"
#include "tools/glyph_header.h"

namespace {

constexpr qreal kDpi = 96;

struct FontFiles {
    std::string header;
    QImage sheet;
};

// The header and sheet as the fonts page drew them before it had options: every code in the
// renderer's cell, cut to the rows the piled glyphs use.
std::optional<FontFiles> RenderFontFiles(const QString &family, int pointSize, int fontId,
                                         qreal dpi)
{
    const GlyphRenderer renderer(GlyphFont(family, pointSize, dpi));
    const zolvik::RgbRaster pile = renderer.PiledGlyphs();
    const std::optional<zolvik::InkRows> rows = zolvik::FindInkRows(pile);
    if (!rows)
        return std::nullopt;

    FontFiles files;
    files.sheet = ToIndexedImage(zolvik::MarkTrimmedRows(pile, *rows));
    zolvik::FontHeader header{family.toStdString(), pointSize,    fontId,
                              renderer.CellWidth(), rows->height, {}};
    header.glyphs.reserve(static_cast<std::size_t>(zolvik::kGlyphCount) * header.BytesPerChar());
    for (int code = zolvik::kFirstGlyphCode; code <= zolvik::kLastGlyphCode; ++code) {
        const std::vector<std::uint8_t> bytes = zolvik::PackGlyph(renderer.Glyph(code), *rows);
        header.glyphs.insert(header.glyphs.end(), bytes.begin(), bytes.end());
    }
    files.header = zolvik::FontHeaderText(header);
    return files;
}

}  // namespace

TEST(FontOutput, DefaultsGiveTheFontsPageHeaderAndSheet)
{
    for (const char *family : {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"})
        for (int size : {6, 11, 16, 24}) {
            SCOPED_TRACE(testing::Message() << family << " " << size);
            const std::optional<FontFiles> today = RenderFontFiles(family, size, 2, kDpi);
            const std::optional<FontOutput> composed = ComposeFontOutput(family, size, 2, kDpi, {});
            ASSERT_TRUE(today && composed);
            EXPECT_EQ(composed->header, today->header);
            EXPECT_EQ(composed->sheet, today->sheet);
        }
}

TEST(FontPreview, FixedCellsShowTheRenderedInkRowsInBothLayouts)
{
    const GlyphRenderer renderer(GlyphFont("DejaVu Sans", 16, kDpi));
    for (const zolvik::GlyphLayout layout :
         {zolvik::GlyphLayout::Rows, zolvik::GlyphLayout::Pages}) {
        const FontOptions options{'A', 'Z', false, layout, false, "", false};
        const std::optional<FontGlyphs> glyphs =
            RenderFontGlyphs("DejaVu Sans", 16, 0, kDpi, options);
        ASSERT_TRUE(glyphs && glyphs->fixed);
        const zolvik::InkRows rows = glyphs->fixed->rows;
        const int width = renderer.CellWidth();
        const QImage preview = FontPreviewImage(*glyphs, 100000);
        ASSERT_EQ(preview.width(), 16 * (width + 1) + 1);
        ASSERT_EQ(preview.height(), 2 * (rows.height + 1) + 1);
        for (int code = 'A'; code <= 'Z'; ++code) {
            const zolvik::RgbRaster glyph = renderer.Glyph(code);
            const int i = code - 'A';
            const int left = 1 + (i % 16) * (width + 1), top = 1 + (i / 16) * (rows.height + 1);
            for (int y = 0; y < rows.height; ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(preview.pixel(left + x, top + y) == qRgb(0, 0, 0),
                              glyph.At(x, rows.top + y) == zolvik::kRasterBlack)
                        << char(code) << " " << x << "," << y;
        }
    }
}
