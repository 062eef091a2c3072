// Times the fonts page with a 16-point DejaVu Sans: the preview's refresh when an option
// changes (rendering, packing, decoding and drawing, as the page does it), and the whole
// 256-glyph header from the options to its text. Runs offscreen on a scratch settings folder.
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include "bench/window_bench.h"
#include "render/font_output.h"

namespace {

TfrmMain *Window = nullptr;

// Arguments: proportional (0 or 1), layout (0 rows, 1 pages), keep missing (0 or 1). Each
// iteration moves the first code between 0 and 1, one refresh of the whole range.
void PreviewRefresh(benchmark::State &state)
{
    Window->RememberPreviewFont(QFont("DejaVu Sans", 16));
    Window->cbxFontProportional->setChecked(state.range(0) == 1);
    Window->cbbFontLayout->setCurrentIndex(int(state.range(1)));
    Window->cbxFontKeepMissing->setChecked(state.range(2) == 1);
    int first = 0;
    for (auto _ : state) {
        first = 1 - first;
        Window->spiFontFirst->setValue(first);
    }
    Window->spiFontFirst->setValue(0);
}
BENCHMARK(PreviewRefresh)
    ->ArgNames({"proportional", "pages", "keep"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Arguments: proportional, layout, array form, keep missing (each 0 or 1).
void WholeHeader(benchmark::State &state)
{
    FontOptions options;
    options.proportional = state.range(0) == 1;
    options.layout = state.range(1) == 1 ? zolvik::GlyphLayout::Pages : zolvik::GlyphLayout::Rows;
    options.arrayForm = state.range(2) == 1;
    options.keepMissing = state.range(3) == 1;
    for (auto _ : state) {
        const std::optional<FontOutput> output =
            ComposeFontOutput("DejaVu Sans", 16, 1, Window->FontDpi(), options);
        benchmark::DoNotOptimize(output);
    }
}
BENCHMARK(WholeHeader)
    ->ArgNames({"proportional", "pages", "array", "keep"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, &TfrmMain::TabSheet4, Window);
}
