// Times turning 256 rendered glyphs (18 x 25 cells with a 16-point font's ink, pen at column 1)
// into a whole header, packing included, for each combination of the header options.
#include <benchmark/benchmark.h>

#include <random>

#include "tools/font_array_text.h"
#include "tools/glyph_set.h"
#include "tools/glyph_table_text.h"
#include "tools/tile_sheet.h"

namespace {

using namespace zolvik;

constexpr int kCellWidth = 18;
constexpr int kCellHeight = 25;

// Glyphs with a random ink blob inside rows 4 to 21; every eighth code is missing.
std::vector<GlyphImage> RenderedGlyphs()
{
    std::mt19937 random(7);
    std::vector<GlyphImage> images;
    for (int code = 0; code < kGlyphCount; ++code) {
        GlyphImage image{RgbRaster(kCellWidth, kCellHeight), 1, 8 + code % 9, code % 8 != 0};
        const int left = 1 + static_cast<int>(random() % 6),
                  top = 4 + static_cast<int>(random() % 6);
        for (int y = top; y < 22; ++y)
            for (int x = left; x < 17; ++x)
                if (random() % 3 == 0)
                    image.raster.Set(x, y, kRasterBlack);
        images.push_back(std::move(image));
    }
    return images;
}

const std::vector<GlyphImage> &Glyphs()
{
    static const std::vector<GlyphImage> glyphs = RenderedGlyphs();
    return glyphs;
}

// Arguments: layout (0 rows, 1 pages), proportional (0 or 1), array form (0 or 1), keep missing (0 or 1).
void WholeHeader(benchmark::State &state)
{
    const GlyphLayout layout = state.range(0) == 1 ? GlyphLayout::Pages : GlyphLayout::Rows;
    const bool proportional = state.range(1) == 1;
    const bool arrayForm = state.range(2) == 1;
    const bool keepMissing = state.range(3) == 1;
    const InkRows rows{4, 18};
    std::size_t size = 0;
    for (auto _ : state) {
        std::string text;
        if (proportional) {
            const ProportionalFontHeader header{
                "DejaVu Sans", 16,     1,
                kCellHeight,   19,     0,
                255,           layout, PackProportionalGlyphs(Glyphs(), layout, keepMissing)};
            text =
                arrayForm ? FontArrayText("dejavu16", header) : ProportionalFontHeaderText(header);
        } else {
            const FontHeader header{"DejaVu Sans",
                                    16,
                                    1,
                                    kCellWidth,
                                    rows.height,
                                    FixedGlyphBitmaps(Glyphs(), rows, layout, keepMissing),
                                    0,
                                    255,
                                    layout};
            text = arrayForm ? FontArrayText("dejavu16", header) : FontHeaderText(header);
        }
        size = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(WholeHeader)
    ->ArgNames({"pages", "proportional", "array", "keep"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// A sheet of 4 x 4 icons of 48 x 48 in each pixel format (argument: index in PixelFormats()).
void IconRecordsPerFormat(benchmark::State &state)
{
    const PixelFormatInfo &info = PixelFormats()[static_cast<std::size_t>(state.range(0))];
    RgbaRaster sheet{192, 192, {}};
    for (std::uint32_t i = 0; i < 192u * 192u; ++i)
        sheet.pixels.push_back(i * 2654435761u);
    for (auto _ : state)
        benchmark::DoNotOptimize(TileRecords(sheet, {48, 48}, info.format));
    state.SetLabel(std::string(info.name));
}
BENCHMARK(IconRecordsPerFormat)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
