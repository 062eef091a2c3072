// How long a table takes: the text alone, and a "Calculate" click on the shown MOD page until
// the view has laid out and painted the new lines. Runs offscreen on a scratch settings folder.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <memory>

#include <benchmark/benchmark.h>

#include "bench/window_bench.h"
#include "main/main.h"
#include "tools/modulo_table.h"

namespace {

TfrmMain *Window = nullptr;

void BM_ModuloTableText(benchmark::State &state)
{
    const auto last = static_cast<std::int32_t>(state.range(0)) - 1;
    for (auto _ : state) {
        std::string table = zolvik::ModuloTable(0, last, 1000);
        benchmark::DoNotOptimize(table.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ModuloTableText)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_CalculateClick(benchmark::State &state)
{
    Window->edtModInit->setText("0");
    Window->edtModFim->setText(QString::number(state.range(0) - 1));
    Window->edtMod->setText("1000");
    for (auto _ : state) {
        state.PauseTiming();
        Window->memMODDblClick(nullptr);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        Window->btnModClick(nullptr);
        QCoreApplication::processEvents();  // layout and paint of the view
    }
    if (Window->memMOD->blockCount() != state.range(0))
        state.SkipWithError("wrong line count");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CalculateClick)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, &TfrmMain::TabSheet9, Window);
}
