#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "common/number_text.h"
#include "main/thermistor_chart_view.h"
#include "main/thermistor_workbench.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_fixture.h"
#include "tools/thermistor_table.h"

using namespace zolvik_test;

namespace zolvik {
// Points are equal when both numbers are: they come from the same arithmetic.
static bool operator==(const ThermistorPoint &a, const ThermistorPoint &b)
{
    return a.celsius == b.celsius && a.ohms == b.ohms;
}
}  // namespace zolvik

namespace {

// A datasheet's table as copied from a PDF: a header line, tabs, a decimal comma.
const char kDatasheet[] = "T (\u00B0C)\tR (ohm)\n"
                          "-40\t336098\n"
                          "-20\t97070\n"
                          "0\t32650,5\n"
                          "25\t10000\n"
                          "50\t3603\n"
                          "85\t1066\n"
                          "125\t339,9\n";

class WorkbenchTest : public WindowTest {
protected:
    ThermistorWorkbench &OpenWorkbench()
    {
        Open();
        Click("btnThermistorWorkbench");
        return *Find<ThermistorWorkbench>("ThermistorWorkbench");
    }

    ThermistorWorkbench &WorkbenchWithDatasheet()
    {
        ThermistorWorkbench &bench = OpenWorkbench();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(kDatasheet));
        Click("btnPaste");
        return bench;
    }

    void Click(const char *name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }

    QString Cell(const char *grid, int row, int column) const
    {
        const QTableWidgetItem *item = Find<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }

    QString Path(const char *name) const { return QDir(folder.path()).filePath(name); }

    std::vector<zolvik::ThermistorPoint> ShownPoints() const
    {
        std::vector<zolvik::ThermistorPoint> points;
        for (int row = 0; row < Find<QTableWidget>("tblPoints")->rowCount(); ++row)
            points.push_back(
                {Cell("tblPoints", row, 0).toDouble(), Cell("tblPoints", row, 1).toDouble()});
        return points;
    }
};

QString Digits17(double value)
{
    return QString::fromStdString(zolvik::FormatReproducible(value));
}

TEST_F(WorkbenchTest, ButtonOpensOneWorkbenchWithThePagePoints)
{
    Open();
    auto *button = Find<QPushButton>("btnThermistorWorkbench");
    EXPECT_EQ(button->text(), "Workbench...");
    EXPECT_EQ(button->parentWidget(), Find<QWidget>("TabSheet6"));
    const char *const fields[] = {"edtT1", "edtR1", "edtT2", "edtR2", "edtT3", "edtR3"};
    const char *const texts[] = {"-20", "1103073", "12.5", "183079", "45", "41316.1"};
    for (int i = 0; i < 6; ++i)
        Find<QLineEdit>(fields[i])->setText(
            QString(texts[i]).replace('.', TfrmMain::DecimalSeparator()));

    Click("btnThermistorWorkbench");
    Click("btnThermistorWorkbench");
    const QList<ThermistorWorkbench *> open = window->findChildren<ThermistorWorkbench *>();
    ASSERT_EQ(open.size(), 1);
    EXPECT_TRUE(open[0]->isWindow());
    EXPECT_TRUE(open[0]->isVisible());
    EXPECT_FALSE(open[0]->isModal());
    ASSERT_EQ(Find<QTableWidget>("tblPoints")->rowCount(), 3);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Cell("tblPoints", i / 2, i % 2), texts[i]) << fields[i];
    // Three points fix the curve: the fit is shown at once.
    const zolvik::ThermistorFit fit =
        zolvik::FitThermistor({{-20, 1103073}, {12.5, 183079}, {45, 41316.1}});
    EXPECT_EQ(open[0]->edtFitA->text(), Digits17(fit.steinhart.a));

    // Closed, it is gone; the next click opens a new one.
    open[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->findChildren<ThermistorWorkbench *>().isEmpty());
    Click("btnThermistorWorkbench");
    EXPECT_EQ(window->findChildren<ThermistorWorkbench *>().size(), 1);
}

TEST_F(WorkbenchTest, PastedTableGivesTheFitOfItsPoints)
{
    ThermistorWorkbench &bench = WorkbenchWithDatasheet();
    const std::vector<zolvik::ThermistorPoint> points = zolvik::ParseThermistorTable(kDatasheet);
    const zolvik::ThermistorFit fit = zolvik::FitThermistor(points);

    ASSERT_EQ(Find<QTableWidget>("tblPoints")->rowCount(), int(points.size()));
    const struct {
        QLineEdit *field;
        double value;
    } shown[] = {{bench.edtFitA, fit.steinhart.a},
                 {bench.edtFitB, fit.steinhart.b},
                 {bench.edtFitC, fit.steinhart.c},
                 {bench.edtFitBeta, fit.beta.beta},
                 {bench.edtFitR25, fit.beta.r0}};
    for (const auto &row : shown)
        EXPECT_EQ(row.field->text(), Digits17(row.value)) << row.field->objectName().toStdString();
    ASSERT_EQ(Find<QTableWidget>("tblFitErrors")->rowCount(), int(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_DOUBLE_EQ(Cell("tblFitErrors", int(i), 1).toDouble(),
                         QString::number(fit.steinhartErrors.perPoint[i], 'g', 4).toDouble());
        EXPECT_DOUBLE_EQ(Cell("tblFitErrors", int(i), 2).toDouble(),
                         QString::number(fit.betaErrors.perPoint[i], 'g', 4).toDouble());
    }
    EXPECT_TRUE(bench.lblSteinhartErrors->text().contains(
        QString::number(fit.steinhartErrors.maxAbsolute, 'g', 4)));
    EXPECT_TRUE(bench.lblBetaErrors->text().contains(QString::number(fit.betaErrors.rms, 'g', 4)));
}

TEST_F(WorkbenchTest, CsvFileAndBetaModelFillTheTableAndFit)
{
    const char csv[] = "temperature;resistance\n-10;55330\n20;12490,5\n60;2488\n100;680\n";
    WriteFile(Path("ntc.csv"), csv);
    const zolvik::BetaModel beta{10000, 25, 3977};
    const struct {
        const char *button;
        std::vector<zolvik::ThermistorPoint> points;
    } cases[] = {{"btnLoadCsv", zolvik::ParseThermistorTable(csv)},
                 {"btnBetaPoints", zolvik::SampleBetaModel(beta)}};
    ThermistorWorkbench &bench = OpenWorkbench();
    bench.edtBetaR0->setText("10000");
    bench.edtBetaT0->setText("25");
    bench.edtBetaB->setText("3977");
    for (const auto &test : cases) {
        prompts.Answer(Path("ntc.csv"));
        Click(test.button);
        EXPECT_EQ(ShownPoints(), test.points) << test.button;
        EXPECT_EQ(bench.edtFitC->text(), Digits17(zolvik::FitThermistor(test.points).steinhart.c))
            << test.button;
        EXPECT_EQ(bench.imgChart->Chart().points, test.points) << test.button;
    }

    // A blank row is no point; a deleted one is gone.
    Click("btnAddPoint");
    Click("btnFit");
    EXPECT_EQ(bench.tblPoints->rowCount(), int(cases[1].points.size()) + 1);
    EXPECT_EQ(bench.imgChart->Chart().points, cases[1].points);
    bench.tblPoints->setCurrentCell(0, 0);
    Click("btnDeletePoint");
    EXPECT_EQ(ShownPoints().front(), cases[1].points[1]);
}

TEST_F(WorkbenchTest, PointsThatAllowNoFitAndBadSettingsGoToTheErrorDisplay)
{
    const struct {
        std::vector<std::pair<const char *, const char *>> rows;
        const char *message;
    } cases[] = {
        {{{"0", "32650"}, {"25", "10000"}}, "at least 3 points"},
        {{{"0", "32650"}, {"25", "ten"}, {"50", "3603"}}, "Row 2: 'ten' is not a number."},
        {{{"0", "32650"}, {"25", "-10000"}, {"50", "3603"}}, "above 0 ohms"},
    };
    ThermistorWorkbench &bench = OpenWorkbench();
    for (const auto &test : cases) {
        SCOPED_TRACE(test.message);
        bench.tblPoints->setRowCount(int(test.rows.size()));
        for (int row = 0; row < int(test.rows.size()); ++row) {
            bench.tblPoints->setItem(row, 0, new QTableWidgetItem(test.rows[row].first));
            bench.tblPoints->setItem(row, 1, new QTableWidgetItem(test.rows[row].second));
        }
        const auto box = CaptureNextMessageBox();
        Click("btnFit");
        EXPECT_TRUE(box->seen);
        EXPECT_TRUE(box->text.contains(test.message)) << box->text.toStdString();
        EXPECT_EQ(bench.edtFitA->text(), "");
    }

    const struct {
        const char *field;
        const char *text;
        const char *button;
        const char *message;
    } settings[] = {
        {"edtBetaR0", "0", "btnBetaPoints", "R0 must be above 0 ohms."},
        {"edtBetaT0", "warm", "btnBetaPoints", "T0: 'warm' is not a number."},
        {"edtBetaB", "-1", "btnBetaPoints", "B must be above 0 kelvin."},
        {"edtSeries", "-4700", "btnMakeLut", "The series resistance must be above 0 ohms."},
        {"edtLutName", "9ntc", "btnMakeLut", "'9ntc' is not a C name."},
    };
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kDatasheet));
    Click("btnPaste");
    for (const auto &test : settings) {
        auto *field = Find<QLineEdit>(test.field);
        const QString kept = field->text();
        field->setText(test.text);
        const auto box = CaptureNextMessageBox();
        Click(test.button);
        EXPECT_EQ(box->text, test.message) << test.field;
        field->setText(kept);
    }
}

TEST_F(WorkbenchTest, LookupTableIsTheGeneratorsTextAndSavesAsShown)
{
    ThermistorWorkbench &bench = WorkbenchWithDatasheet();
    zolvik::ThermistorCircuit circuit =
        zolvik::CircuitOverPoints(zolvik::ParseThermistorTable(kDatasheet));
    circuit.divider = zolvik::DividerKind::ThermistorToReference;
    circuit.seriesOhms = 4700;
    circuit.adcBits = 12;
    bench.rdbPullDown->setChecked(true);
    bench.edtSeries->setText("4700");
    bench.spnAdcBits->setValue(12);
    bench.spnEntries->setValue(65);
    bench.edtLutName->setText("ntc_adc");
    bench.edtErrorBound->setText("0,25");

    const struct {
        QRadioButton *mode;
        std::string expected;
    } cases[] = {
        {bench.rdbEqualSpacing, AdcTableText(circuit, MakeAdcTable(circuit, 65), "ntc_adc")},
        {bench.rdbErrorBound, AdcKnotsText(circuit, MakeAdcKnots(circuit, 0.25), "ntc_adc")}};
    for (const auto &test : cases) {
        test.mode->setChecked(true);
        Click("btnMakeLut");
        EXPECT_EQ(bench.memLut->toPlainText().toStdString(), test.expected);
        EXPECT_TRUE(bench.memLut->isReadOnly());
        EXPECT_TRUE(bench.lblLutError->text().startsWith("Largest interpolation error: "));
    }

    Click("btnCopyLut");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), bench.memLut->toPlainText());
    prompts.Answer(Path("ntc_adc.h"));
    Click("btnSaveLut");
    EXPECT_EQ(prompts.LastAsked().kind, Question::SaveFile);
    EXPECT_EQ(ReadFile(Path("ntc_adc.h")).toStdString(), cases[1].expected);
}

TEST_F(WorkbenchTest, ChartShowsTheExportedPictureAndExportsAsPngAndSvg)
{
    ThermistorWorkbench &bench = WorkbenchWithDatasheet();
    const QImage screen = bench.imgChart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, ThermistorChartImage(bench.imgChart->Chart(), bench.imgChart->size()));
    prompts.Answer(Path("chart.png"));
    Click("btnExportPng");
    prompts.Answer(Path("chart.svg"));
    Click("btnExportSvg");

    const QImage png(Path("chart.png"), "PNG");
    EXPECT_EQ(png.size(), ThermistorWorkbench::kExportSize);
    const QByteArray svg = ReadFile(Path("chart.svg"));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("<path")) << "the curves are drawn";
}

}  // namespace
