// Times generating a 16-point DejaVu Sans font at 96 dots per inch, offscreen.
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "main/page_fonts_glyphs.h"
#include "tools/glyph_header.h"

namespace {

const QString kFamily = "DejaVu Sans";
constexpr int kPointSize = 16;
constexpr qreal kDpi = 96;

void WholeGeneration(benchmark::State &state)
{
    QTemporaryDir folder;
    for (auto _ : state) {
        const bool written = GenerateFontFiles(kFamily, kPointSize, 1, kDpi,
                                               folder.filePath("campo.bmp"), folder.path());
        benchmark::DoNotOptimize(written);
    }
}
BENCHMARK(WholeGeneration)->Unit(benchmark::kMillisecond);

void RenderAndPackOnly(benchmark::State &state)
{
    for (auto _ : state) {
        const GlyphRenderer renderer(GlyphFont(kFamily, kPointSize, kDpi));
        const zolvik::InkRows rows = zolvik::FindInkRows(renderer.PiledGlyphs()).value();
        std::size_t bytes = 0;
        for (int code = 0; code < zolvik::kGlyphCount; ++code)
            bytes += zolvik::PackGlyph(renderer.Glyph(code), rows).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(RenderAndPackOnly)->Unit(benchmark::kMillisecond);

void HeaderTextOnly(benchmark::State &state)
{
    zolvik::FontHeader header{"DejaVu Sans", kPointSize, 1, 18, 25, {}};
    header.glyphs.assign(static_cast<std::size_t>(zolvik::kGlyphCount) * header.BytesPerChar(),
                         0x5A);
    for (auto _ : state)
        benchmark::DoNotOptimize(zolvik::FontHeaderText(header));
}
BENCHMARK(HeaderTextOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
