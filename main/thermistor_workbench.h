#pragma once
// The thermistor workbench: a window beside the Steinhart-Hart page that fits the
// Steinhart-Hart and Beta models to a whole table of points, charts both with their errors,
// and turns the fitted curve into a C lookup table from ADC codes to temperatures.
#include <QWidget>

#include <string>
#include <vector>

#include "render/thermistor_chart.h"
#include "tools/adc_lut.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class ThermistorChartView;

class ThermistorWorkbench : public QWidget {
    Q_OBJECT

public:
    // A window of its own over `owner`, closed with it; starts with `points` in its table and
    // their fit when they allow one.
    ThermistorWorkbench(QWidget *owner, const std::vector<zolvik::ThermistorPoint> &points);

    // ---- Points ----------------------------------------------------------------------------
    void btnPasteClick(QObject *Sender = nullptr);
    void btnLoadCsvClick(QObject *Sender = nullptr);
    void btnAddPointClick(QObject *Sender = nullptr);
    void btnDeletePointClick(QObject *Sender = nullptr);
    void btnBetaPointsClick(QObject *Sender = nullptr);
    void btnFitClick(QObject *Sender = nullptr);

    QTableWidget *tblPoints = nullptr;  // temperature in degrees Celsius, resistance in ohms
    QPushButton *btnPaste = nullptr;
    QPushButton *btnLoadCsv = nullptr;
    QPushButton *btnAddPoint = nullptr;
    QPushButton *btnDeletePoint = nullptr;
    QLineEdit *edtBetaR0 = nullptr;
    QLineEdit *edtBetaT0 = nullptr;
    QLineEdit *edtBetaB = nullptr;
    QPushButton *btnBetaPoints = nullptr;
    QPushButton *btnFit = nullptr;

    // ---- Fits ------------------------------------------------------------------------------
    QLineEdit *edtFitA = nullptr;
    QLineEdit *edtFitB = nullptr;
    QLineEdit *edtFitC = nullptr;
    QLineEdit *edtFitBeta = nullptr;
    QLineEdit *edtFitR25 = nullptr;
    QTableWidget *tblFitErrors = nullptr;  // temperature, Steinhart-Hart and Beta error in K
    QLabel *lblSteinhartErrors = nullptr;
    QLabel *lblBetaErrors = nullptr;

    // ---- Chart -----------------------------------------------------------------------------
    void btnExportPngClick(QObject *Sender = nullptr);
    void btnExportSvgClick(QObject *Sender = nullptr);

    ThermistorChartView *imgChart = nullptr;
    QPushButton *btnExportPng = nullptr;
    QPushButton *btnExportSvg = nullptr;

    // ---- Lookup table ------------------------------------------------------------------------
    void btnMakeLutClick(QObject *Sender = nullptr);
    void btnSaveLutClick(QObject *Sender = nullptr);
    void btnCopyLutClick(QObject *Sender = nullptr);

    QGroupBox *rdgDivider = nullptr;
    QRadioButton *rdbPullUp = nullptr;    // series resistor to the reference
    QRadioButton *rdbPullDown = nullptr;  // series resistor to ground
    QLineEdit *edtSeries = nullptr;
    QSpinBox *spnAdcBits = nullptr;
    QSpinBox *spnEntries = nullptr;
    QLineEdit *edtLutName = nullptr;
    QGroupBox *rdgLutMode = nullptr;
    QRadioButton *rdbEqualSpacing = nullptr;
    QRadioButton *rdbErrorBound = nullptr;
    QLineEdit *edtErrorBound = nullptr;
    QPushButton *btnMakeLut = nullptr;
    QPlainTextEdit *memLut = nullptr;
    QLabel *lblLutError = nullptr;
    QPushButton *btnSaveLut = nullptr;
    QPushButton *btnCopyLut = nullptr;

    // The picture size of both exports.
    static constexpr QSize kExportSize{1000, 700};

private:
    void CreatePointsPanel();
    void CreateFitPanel();
    void CreateChartPanel();
    void CreateLutPanel();

    // The table's rows, blank rows skipped; a cell that is no number throws.
    std::vector<zolvik::ThermistorPoint> TablePoints() const;
    void ShowPoints(const std::vector<zolvik::ThermistorPoint> &points);
    // Fits the table's points and shows both fits, their errors and the chart; throws when the
    // points allow no fit, leaving the fit shown cleared.
    void Refit();
    void ShowFit(const zolvik::ThermistorFit &fit);
    void ClearFit();
    // The circuit the lookup table is for: the fitted curve over the points' range.
    zolvik::ThermistorCircuit LutCircuit() const;
    void ExportChart(const char *suffix);

    ThermistorChart FChart;
    std::string FLutText;  // the table as made, the bytes that Save writes
};

// A decimal number in a workbench field, with "." or "," as the separator; throws
// "<what>: '<text>' is not a number." otherwise.
double WorkbenchNumber(const QString &text, const std::string &what);
