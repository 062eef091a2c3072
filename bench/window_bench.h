#pragma once
// Shared start of the window benchmarks: the real window, offscreen, on a scratch settings
// folder, showing one page while Google Benchmark runs.
#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

#include <benchmark/benchmark.h>

#include "main/main.h"

// Runs the registered benchmarks with `window` pointing at a shown window on `page`.
inline int RunWindowBenchmarks(int argc, char **argv, QWidget *TfrmMain::*page, TfrmMain *&window)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    SetSettingsFolderForTesting(settings.path());
    auto frmMain = std::make_unique<TfrmMain>();
    frmMain->PageControl->setCurrentWidget(frmMain.get()->*page);
    frmMain->show();
    QCoreApplication::processEvents();
    window = frmMain.get();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window = nullptr;
    frmMain.reset();
    SetSettingsFolderForTesting(QString());
    return 0;
}
