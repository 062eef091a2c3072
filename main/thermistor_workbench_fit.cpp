// The workbench's fits: both models' coefficients, their errors per point and over all
// points, and the chart of them, on screen and exported as PNG or SVG.
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "common/number_text.h"
#include "main/main.h"
#include "main/thermistor_chart_view.h"
#include "main/thermistor_workbench.h"
#include "main/user_files.h"
#include "platform/prompts.h"

namespace {

QString Reproducible(double value)
{
    return QString::fromStdString(zolvik::FormatReproducible(value));
}

QString Kelvin(double value)
{
    return QString::number(value, 'g', 4);
}

QString ErrorSummary(const char *model, const zolvik::FitErrors &errors)
{
    return QString("%1: max %2 K, RMS %3 K")
        .arg(model, Kelvin(errors.maxAbsolute), Kelvin(errors.rms));
}

}  // namespace

void ThermistorWorkbench::Refit()
{
    ClearFit();
    FChart.points = TablePoints();
    imgChart->SetChart(FChart);
    const zolvik::ThermistorFit fit = zolvik::FitThermistor(FChart.points);
    FChart.fit = fit;
    ShowFit(fit);
    imgChart->SetChart(FChart);
}

void ThermistorWorkbench::ShowFit(const zolvik::ThermistorFit &fit)
{
    edtFitA->setText(Reproducible(fit.steinhart.a));
    edtFitB->setText(Reproducible(fit.steinhart.b));
    edtFitC->setText(Reproducible(fit.steinhart.c));
    edtFitBeta->setText(Reproducible(fit.beta.beta));
    edtFitR25->setText(Reproducible(fit.beta.r0));
    const int rows = static_cast<int>(FChart.points.size());
    tblFitErrors->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const double values[] = {FChart.points[std::size_t(row)].celsius,
                                 fit.steinhartErrors.perPoint[std::size_t(row)],
                                 fit.betaErrors.perPoint[std::size_t(row)]};
        for (int column = 0; column < 3; ++column)
            tblFitErrors->setItem(row, column,
                                  new QTableWidgetItem(column == 0 ? QString::number(values[column])
                                                                   : Kelvin(values[column])));
    }
    lblSteinhartErrors->setText(ErrorSummary("Steinhart-Hart", fit.steinhartErrors));
    lblBetaErrors->setText(ErrorSummary("Beta", fit.betaErrors));
}

void ThermistorWorkbench::ClearFit()
{
    FChart.fit.reset();
    for (QLineEdit *field : {edtFitA, edtFitB, edtFitC, edtFitBeta, edtFitR25})
        field->clear();
    tblFitErrors->setRowCount(0);
    lblSteinhartErrors->clear();
    lblBetaErrors->clear();
}

void ThermistorWorkbench::ExportChart(const char *suffix)
{
    const QString extension = QString(suffix).toLower();
    const QString path = platform::CurrentPrompts().AskSaveFile(
        this, {.filter = QString("*.%1 (*.%1)").arg(extension), .defaultSuffix = extension});
    if (path.isEmpty())
        return;
    if (extension == "svg") {
        const QByteArray svg = ThermistorChartSvg(FChart, kExportSize);
        SaveUserFile(path, std::string_view(svg.constData(), std::size_t(svg.size())),
                     kCannotWriteFile);
    } else {
        SaveUserImage(path, ThermistorChartImage(FChart, kExportSize), suffix);
    }
}

void ThermistorWorkbench::btnExportPngClick(QObject *)
{
    TfrmMain::HandleErrors([&] { ExportChart("PNG"); });
}

void ThermistorWorkbench::btnExportSvgClick(QObject *)
{
    TfrmMain::HandleErrors([&] { ExportChart("SVG"); });
}
