// How long a table takes: the text alone, the text going into a bare plain-text document (no
// view), and a "Calculate" click on the shown MOD page until the view has laid out and
// painted the new lines; and the memory repeated clicks hold. Runs offscreen on a scratch
// settings folder.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <fstream>
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

// The resident memory of the process in MiB.
double ResidentMiB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// The document alone: what every click costs whatever the view does with it.
void BM_DocumentInsert(benchmark::State &state)
{
    const QString table = QString::fromStdString(
        zolvik::ModuloTable(0, static_cast<std::int32_t>(state.range(0)) - 1, 1000));
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<QTextDocument>();
        document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
        document->setUndoRedoEnabled(false);
        state.ResumeTiming();
        QTextCursor(document.get()).insertText(table);
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DocumentInsert)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

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
    if (Window->memMOD->document()->lineCount() != state.range(0))
        state.SkipWithError("wrong line count");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CalculateClick)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Clicks that each list a million lines after "Clean": the memory held after the last one
// against that after the first.
void BM_RepeatedCleanAndCalculate(benchmark::State &state)
{
    Window->edtModInit->setText("0");
    Window->edtModFim->setText("999999");
    Window->edtMod->setText("1000");
    double first = 0.0;
    for (auto _ : state) {
        Window->memMODDblClick(nullptr);
        Window->btnModClick(nullptr);
        QCoreApplication::processEvents();
        if (first == 0.0)
            first = ResidentMiB();
    }
    state.counters["first_MiB"] = first;
    state.counters["last_MiB"] = ResidentMiB();
}
BENCHMARK(BM_RepeatedCleanAndCalculate)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv, &TfrmMain::TabSheet9, Window);
}
