// How long the cursor grid takes to paint: all 4,096 cells into an image, the same after the
// cell texts are refreshed from the picture (what Clean and the shapes do), and a drag with
// the button held across a whole row of the shown grid. Runs offscreen on a scratch settings
// folder.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QTableWidget>

#include <memory>

#include <benchmark/benchmark.h>

#include "bench/window_bench.h"
#include "main/main.h"

namespace {

TfrmMain *Window = nullptr;

// A picture that uses every fill: the shapes in three codes over the transparent background.
void DrawVariedPicture()
{
    Window->btn_CurClearClick(nullptr);
    for (int x = 0; x < 64; ++x)
        for (int y = 0; y < 64; ++y)
            Window->CurSetPixel(x, y, (x + y) % 4);
    Window->CurRefreshGrid();
}

void RenderGrid(QImage &image)
{
    QWidget *viewport = Window->stg_Cursor->viewport();
    viewport->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
}

void BM_CursorFullRepaint(benchmark::State &state)
{
    DrawVariedPicture();
    QImage image(640, 640, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        RenderGrid(image);
        benchmark::DoNotOptimize(image.constBits());
    }
    // A cell of code 0 at its centre must come out black.
    if (image.pixelColor(5, 5) != QColor(0, 0, 0))
        state.SkipWithError("cell (0, 0) is not black");
    state.SetItemsProcessed(state.iterations() * 4096);
}
BENCHMARK(BM_CursorFullRepaint)->Unit(benchmark::kMicrosecond);

void BM_CursorRefreshAndRepaint(benchmark::State &state)
{
    DrawVariedPicture();
    QImage image(640, 640, QImage::Format_ARGB32_Premultiplied);
    int round = 0;
    for (auto _ : state) {
        // Alternate the picture so every refresh really changes every cell text.
        state.PauseTiming();
        ++round;
        for (int i = 0; i < 64 * 64; ++i)
            Window->CursorPixels[i] = (i + round) % 4;
        state.ResumeTiming();
        Window->CurRefreshGrid();
        RenderGrid(image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 4096);
}
BENCHMARK(BM_CursorRefreshAndRepaint)->Unit(benchmark::kMicrosecond);

// The pointer crosses one row of the shown grid, left to right, with the button held; each
// move paints a cell and the window repaints what changed.
void BM_CursorDragAcrossRow(benchmark::State &state)
{
    QTableWidget *grid = Window->stg_Cursor;
    QWidget *viewport = grid->viewport();
    int row = 0;
    for (auto _ : state) {
        const QPoint start(5, 10 * row + 5);
        QMouseEvent press(QEvent::MouseButtonPress, start, viewport->mapToGlobal(start),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        for (int x = 1; x < 64; ++x) {
            const QPoint at(10 * x + 5, 10 * row + 5);
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
            QCoreApplication::processEvents();
        }
        QMouseEvent release(QEvent::MouseButtonRelease, start, viewport->mapToGlobal(start),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &release);
        row = (row + 1) % 64;
    }
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(BM_CursorDragAcrossRow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, &TfrmMain::TabSheet2, Window);
}
