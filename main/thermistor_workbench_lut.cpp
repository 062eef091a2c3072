// The workbench's lookup table: the fitted curve in a divider read by an ADC, as C text to
// save or copy.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "common/errors.h"
#include "main/main.h"
#include "main/thermistor_workbench.h"
#include "main/user_files.h"
#include "platform/prompts.h"

zolvik::ThermistorCircuit ThermistorWorkbench::LutCircuit() const
{
    zolvik::ThermistorCircuit circuit = zolvik::CircuitOverPoints(TablePoints());
    // The pull-up is the series resistor from the reference, so the thermistor goes to ground.
    circuit.divider = rdbPullUp->isChecked() ? zolvik::DividerKind::ThermistorToGround
                                             : zolvik::DividerKind::ThermistorToReference;
    circuit.seriesOhms = WorkbenchNumber(edtSeries->text(), "Series resistance");
    circuit.adcBits = spnAdcBits->value();
    return circuit;
}

void ThermistorWorkbench::btnMakeLutClick(QObject *)
{
    TfrmMain::HandleErrors([&] {
        FLutText.clear();
        memLut->clear();
        lblLutError->clear();
        const zolvik::ThermistorCircuit circuit = LutCircuit();
        const std::string name = edtLutName->text().trimmed().toStdString();
        std::string text;
        double maxErrorK = 0.0;
        if (rdbEqualSpacing->isChecked()) {
            const zolvik::AdcTable table = zolvik::MakeAdcTable(circuit, spnEntries->value());
            text = zolvik::AdcTableText(circuit, table, name);
            maxErrorK = table.maxErrorK;
        } else {
            const zolvik::AdcKnots knots = zolvik::MakeAdcKnots(
                circuit, WorkbenchNumber(edtErrorBound->text(), "Error bound"));
            text = zolvik::AdcKnotsText(circuit, knots, name);
            maxErrorK = knots.maxErrorK;
        }
        FLutText = text;
        memLut->setPlainText(QString::fromStdString(text));
        lblLutError->setText(
            QString("Largest interpolation error: %1 K").arg(maxErrorK, 0, 'g', 4));
    });
}

void ThermistorWorkbench::btnSaveLutClick(QObject *)
{
    TfrmMain::HandleErrors([&] {
        if (FLutText.empty())
            throw zolvik::Error("Make the table first.");
        const QString path = platform::CurrentPrompts().AskSaveFile(
            this, {.filter = "*.h (*.h)",
                   .defaultSuffix = "h",
                   .fileName = edtLutName->text().trimmed() + ".h"});
        if (path.isEmpty())
            return;
        SaveUserFile(path, FLutText, kCannotWriteFile);
    });
}

void ThermistorWorkbench::btnCopyLutClick(QObject *)
{
    TfrmMain::HandleErrors([&] { QGuiApplication::clipboard()->setText(memLut->toPlainText()); });
}
