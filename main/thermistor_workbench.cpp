// The workbench's controls: points on the left, the fits in the middle, the chart on the right
// and the lookup table below them.
#include "main/thermistor_workbench.h"

#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "main/controls.h"
#include "main/main.h"
#include "main/thermistor_chart_view.h"

namespace {

// A grid of `columns` without headers that the user edits unless `readOnly`.
QTableWidget *MakeGrid(QWidget *parent, const char *name, controls::Place place, int columns,
                       bool readOnly)
{
    auto *grid = controls::Make<QTableWidget>(parent, name, place);
    grid->setColumnCount(columns);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    if (readOnly)
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return grid;
}

QLineEdit *MakeResult(QWidget *parent, const char *name, controls::Place place)
{
    auto *field = controls::Make<QLineEdit>(parent, name, place);
    field->setReadOnly(true);
    return field;
}

QSpinBox *MakeSpin(QWidget *parent, const char *name, controls::Place place, int low, int high,
                   int value)
{
    auto *spin = controls::Make<QSpinBox>(parent, name, place);
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

}  // namespace

ThermistorWorkbench::ThermistorWorkbench(QWidget *owner,
                                         const std::vector<zolvik::ThermistorPoint> &points)
    : QWidget(owner, Qt::Window)
{
    setObjectName("ThermistorWorkbench");
    setWindowTitle("Thermistor Workbench");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(1240, 748);
    CreatePointsPanel();
    CreateFitPanel();
    CreateChartPanel();
    CreateLutPanel();
    ShowPoints(points);
    try {
        Refit();
    } catch (const std::exception &) {
        // The page's points may be unfinished; the workbench then starts without a fit.
    }
}

void ThermistorWorkbench::CreatePointsPanel()
{
    using namespace controls;
    Make<QLabel>(this, {}, {8, 8, 300, 16},
                 QString::fromUtf8("Temperature (\u00B0C)  and  resistance (ohms)"));
    tblPoints = MakeGrid(this, "tblPoints", {8, 28, 300, 330}, 2, false);
    btnPaste = Make<QPushButton>(this, "btnPaste", {8, 364, 60, 25}, "Paste");
    btnLoadCsv = Make<QPushButton>(this, "btnLoadCsv", {72, 364, 80, 25}, "Load CSV...");
    btnAddPoint = Make<QPushButton>(this, "btnAddPoint", {156, 364, 70, 25}, "Add Row");
    btnDeletePoint = Make<QPushButton>(this, "btnDeletePoint", {230, 364, 78, 25}, "Delete Row");

    auto *beta = Framed(Make<QFrame>(this, "PanelBetaModel", {8, 398, 300, 104}),
                        QFrame::Box | QFrame::Sunken);
    Make<QLabel>(beta, {}, {8, 6, 284, 16}, "Beta model: R0 at T0 and B");
    Make<QLabel>(beta, {}, {8, 30}, "R0 (ohms)");
    Make<QLabel>(beta, {}, {104, 30}, QString::fromUtf8("T0 (\u00B0C)"));
    Make<QLabel>(beta, {}, {200, 30}, "B (K)");
    edtBetaR0 = Make<QLineEdit>(beta, "edtBetaR0", {8, 48, 90, 21}, "10000");
    edtBetaT0 = Make<QLineEdit>(beta, "edtBetaT0", {104, 48, 90, 21}, "25");
    edtBetaB = Make<QLineEdit>(beta, "edtBetaB", {200, 48, 90, 21}, "3977");
    btnBetaPoints =
        Make<QPushButton>(beta, "btnBetaPoints", {8, 74, 282, 24}, "Points of the Beta Model");
    btnFit = Make<QPushButton>(this, "btnFit", {8, 510, 300, 30}, "Fit");

    OnClick(btnPaste, this, &ThermistorWorkbench::btnPasteClick);
    OnClick(btnLoadCsv, this, &ThermistorWorkbench::btnLoadCsvClick);
    OnClick(btnAddPoint, this, &ThermistorWorkbench::btnAddPointClick);
    OnClick(btnDeletePoint, this, &ThermistorWorkbench::btnDeletePointClick);
    OnClick(btnBetaPoints, this, &ThermistorWorkbench::btnBetaPointsClick);
    OnClick(btnFit, this, &ThermistorWorkbench::btnFitClick);
}

void ThermistorWorkbench::CreateFitPanel()
{
    using namespace controls;
    const char *const captions[] = {"A", "B", "C", "Beta (K)", "R25 (ohms)"};
    QLineEdit **const fields[] = {&edtFitA, &edtFitB, &edtFitC, &edtFitBeta, &edtFitR25};
    const char *const names[] = {"edtFitA", "edtFitB", "edtFitC", "edtFitBeta", "edtFitR25"};
    Make<QLabel>(this, {}, {320, 8, 300, 16}, "Steinhart-Hart least squares");
    for (int i = 0; i < 5; ++i) {
        const int top = 28 + 28 * i + (i >= 3 ? 20 : 0);
        Make<QLabel>(this, {}, {320, top + 3}, captions[i]);
        *fields[i] = MakeResult(this, names[i], {400, top, 220, 21});
    }
    Make<QLabel>(this, {}, {320, 112, 300, 16}, "Beta model at 25 \u00B0C");
    Make<QLabel>(this, {}, {320, 192, 300, 16},
                 QString::fromUtf8("Error per point (K): \u00B0C, Steinhart-Hart, Beta"));
    tblFitErrors = MakeGrid(this, "tblFitErrors", {320, 212, 300, 180}, 3, true);
    lblSteinhartErrors = Make<QLabel>(this, "lblSteinhartErrors", {320, 398, 308, 16});
    lblBetaErrors = Make<QLabel>(this, "lblBetaErrors", {320, 418, 308, 16});
}

void ThermistorWorkbench::CreateChartPanel()
{
    using namespace controls;
    imgChart = Make<ThermistorChartView>(this, "imgChart", {632, 8, 600, 400});
    btnExportPng = Make<QPushButton>(this, "btnExportPng", {632, 414, 110, 25}, "Export PNG...");
    btnExportSvg = Make<QPushButton>(this, "btnExportSvg", {746, 414, 110, 25}, "Export SVG...");
    OnClick(btnExportPng, this, &ThermistorWorkbench::btnExportPngClick);
    OnClick(btnExportSvg, this, &ThermistorWorkbench::btnExportSvgClick);
}

void ThermistorWorkbench::CreateLutPanel()
{
    using namespace controls;
    rdgDivider = Make<QGroupBox>(this, "rdgDivider", {320, 448, 300, 64}, "Divider");
    rdbPullUp = Make<QRadioButton>(rdgDivider, "rdbPullUp", {8, 18, 288, 20},
                                   "Pull-up: series resistor to the reference");
    rdbPullDown = Make<QRadioButton>(rdgDivider, "rdbPullDown", {8, 40, 288, 20},
                                     "Pull-down: series resistor to ground");
    rdbPullUp->setChecked(true);

    Make<QLabel>(this, {}, {320, 523}, "Series (ohms)");
    edtSeries = Make<QLineEdit>(this, "edtSeries", {420, 520, 90, 21}, "10000");
    Make<QLabel>(this, {}, {320, 551}, "ADC bits");
    spnAdcBits = MakeSpin(this, "spnAdcBits", {420, 548, 60, 21}, 8, 16, 10);
    Make<QLabel>(this, {}, {490, 551}, "Entries");
    spnEntries = MakeSpin(this, "spnEntries", {550, 548, 70, 21}, 2, 4096, 33);
    Make<QLabel>(this, {}, {320, 579}, "Table name");
    edtLutName = Make<QLineEdit>(this, "edtLutName", {420, 576, 200, 21}, "ntc");

    rdgLutMode = Make<QGroupBox>(this, "rdgLutMode", {320, 604, 300, 64}, "Table");
    rdbEqualSpacing = Make<QRadioButton>(rdgLutMode, "rdbEqualSpacing", {8, 18, 288, 20},
                                         "Equally spaced entries");
    rdbErrorBound = Make<QRadioButton>(rdgLutMode, "rdbErrorBound", {8, 40, 288, 20},
                                       "Fewest pairs within the error bound");
    rdbEqualSpacing->setChecked(true);
    Make<QLabel>(this, {}, {320, 679}, "Error bound (K)");
    edtErrorBound = Make<QLineEdit>(this, "edtErrorBound", {420, 676, 90, 21}, "0.5");
    btnMakeLut = Make<QPushButton>(this, "btnMakeLut", {320, 708, 300, 30}, "Make Table");

    memLut = Make<QPlainTextEdit>(this, "memLut", {632, 448, 600, 250});
    memLut->setReadOnly(true);
    memLut->setLineWrapMode(QPlainTextEdit::NoWrap);
    memLut->setFont(QFont("DejaVu Sans Mono", 9));
    lblLutError = Make<QLabel>(this, "lblLutError", {632, 712, 400, 16});
    btnSaveLut = Make<QPushButton>(this, "btnSaveLut", {1042, 708, 90, 28}, "Save...");
    btnCopyLut = Make<QPushButton>(this, "btnCopyLut", {1142, 708, 90, 28}, "Copy");

    OnClick(btnMakeLut, this, &ThermistorWorkbench::btnMakeLutClick);
    OnClick(btnSaveLut, this, &ThermistorWorkbench::btnSaveLutClick);
    OnClick(btnCopyLut, this, &ThermistorWorkbench::btnCopyLutClick);
}
