#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "tests/support/tab_order.h"
#include "tests/support/window_fixture.h"

using zolvik_test::NextTabStop;
using zolvik_test::WindowTest;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

struct LogLine {
    QString text;
    QColor colour;
};

class SteinhartTest : public WindowTest {
protected:
    TfrmMain &OpenPage()
    {
        TfrmMain &frm = Open();
        sep = QString(TfrmMain::DecimalSeparator());
        return frm;
    }

    // A number text written with the regional separator in place of the ".".
    QString N(const char *text) const { return QString(text).replace('.', sep); }

    void TypePoints(const QStringList &texts)
    {
        const char *names[] = {"edtT1", "edtT2", "edtT3", "edtR1", "edtR2", "edtR3"};
        for (int i = 0; i < 6; ++i)
            Find<QLineEdit>(names[i])->setText(texts[i]);
    }

    // The fields as they would hold the datasheet points typed by the user.
    void TypeDatasheetPoints()
    {
        TypePoints({"-20", "12.5", "45", "1103073", "183079", "41316,1"});
    }

    QString Text(const char *name) const { return Find<QLineEdit>(name)->text(); }

    std::vector<LogLine> LogLines() const
    {
        std::vector<LogLine> lines;
        QTextDocument *log = Find<QTextEdit>("memoLog")->document();
        if (log->isEmpty())
            return lines;
        for (QTextBlock block = log->begin(); block.isValid(); block = block.next())
            lines.push_back(
                {block.text(), block.begin().fragment().charFormat().foreground().color()});
        return lines;
    }

    void Calculate() { QTest::mouseClick(Find<QPushButton>("btnSteinhart"), Qt::LeftButton); }

    void TestResistance(const QString &text)
    {
        auto *res = Find<QLineEdit>("edtRes");
        res->clear();
        QTest::keyClicks(res, text);
        QTest::mouseClick(Find<QPushButton>("btnCalcSteinhart"), Qt::LeftButton);
    }

    QString sep;
};

TEST_F(SteinhartTest, PageHoldsItsControls)
{
    TfrmMain &frm = OpenPage();
    QWidget *page = Find<QWidget>("TabSheet6");
    for (const char *name : {"edtT1", "edtT2", "edtT3", "edtR1", "edtR2", "edtR3"}) {
        QLineEdit *field = Find<QLineEdit>(name);
        EXPECT_EQ(field->parentWidget(), Find<QFrame>("PanelSteinhartPoints")) << name;
        EXPECT_EQ(field->text(), "") << name;  // a first start empties the design-time texts
    }
    for (const char *name : {"edtA", "edtB", "edtC", "edtRes", "edtTempK", "edtTempC"}) {
        EXPECT_EQ(Find<QLineEdit>(name)->parentWidget(), page) << name;
        EXPECT_EQ(Find<QLineEdit>(name)->text(), "") << name;
    }
    EXPECT_EQ(Find<QPushButton>("btnSteinhart")->text(), "Calculate Constants");
    EXPECT_EQ(Find<QPushButton>("btnCalcSteinhart")->text(), "Testing");
    EXPECT_FALSE(frm.btnSteinhart->isDefault());
    EXPECT_FALSE(frm.btnCalcSteinhart->isDefault());
    EXPECT_EQ(frm.SteinhartA, 0.0);
    EXPECT_EQ(frm.SteinhartB, 0.0);
    EXPECT_EQ(frm.SteinhartC, 0.0);

    QStringList captions;
    for (QLabel *label : page->findChildren<QLabel *>())
        captions << label->text();
    for (const char *caption :
         {"Graus Celcius",
          "Resistencia em ohms",
          "T1",
          "T2",
          "T3",
          "R1",
          "R2",
          "R3",
          "A",
          "B",
          "C",
          "Resistive value in ohms",
          "Temperature in degrees Kelvin",
          "Temperature in degrees Celsius",
          "T = Temperature in degrees Celsius",
          "R = Thermistor resistance in ohms",
          "For more information see the document:",
          "1 - Select the temperature extremes (T1 and T3) of the thermistor working range.",
          "2 - Then choose the equidistant temperature point (T2) between (T1 and T3).",
          "3 - Refer to the thermistor datasheet and take the resistance values for the three "
          "temperature points that we will calculate.",
          "To test, refer to the thermistor resistance values and apply the test, and verify that "
          "the temperature value calculated by the software corresponds to the datasheet"})
        EXPECT_TRUE(captions.contains(caption)) << caption;
    EXPECT_FALSE(Find<QLabel>("imgSteinhartChart")->pixmap().isNull());
    EXPECT_FALSE(Find<QLabel>("imgSteinhartFormula")->pixmap().isNull());
    EXPECT_EQ(Find<QLabel>("lblSteinhartDocument")->alignment(), Qt::AlignCenter);
}

TEST_F(SteinhartTest, KeyboardOrder)
{
    TfrmMain &frm = OpenPage();
    const std::vector<QWidget *> order = {
        frm.edtT1,        frm.edtR1,   frm.edtT2, frm.edtR2, frm.edtT3,  frm.edtR3,
        frm.btnSteinhart, frm.edtA,    frm.edtB,  frm.edtC,  frm.edtRes, frm.btnCalcSteinhart,
        frm.edtTempK,     frm.edtTempC};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(NextTabStop(order[i]), order[i + 1]) << order[i]->objectName().toStdString();
}

TEST_F(SteinhartTest, StoredTextsRestoredAndNormalisedTextsSaved)
{
    WriteSettings("[EDIT]\nEDT_T1=-20\nEDT_T2=12.5\nEDT_T3=45\nEDT_R1=1103073\nEDT_R2=183079\n"
                  "EDT_R3=41316,1\n");
    OpenPage();
    EXPECT_EQ(Text("edtT2"), "12.5");
    EXPECT_EQ(Text("edtR3"), "41316,1");
    Calculate();
    Close();
    const QByteArray ini = ReadSettings();
    EXPECT_TRUE(ini.contains(("EDT_R3=" + N("41316.1")).toUtf8()));
}

TEST_F(SteinhartTest, FirstStartRefusesTheEmptyFields)
{
    TfrmMain &frm = OpenPage();
    auto box = CaptureNextMessageBox();
    Calculate();
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->text,
              QString::fromUtf8("Há valores na temperatura ou resistecia que é inválido"));

    const std::vector<LogLine> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, N("T1 = 10000.00  >>  R1 = 0.00"));
    EXPECT_EQ(lines[1].text, N("T2 = 10000.00  >>  R2 = 0.00"));
    EXPECT_EQ(lines[2].text, N("T3 = 10000.00  >>  R3 = 0.00"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i].colour, kBlue);
    EXPECT_EQ(lines[3].text,
              QString::fromUtf8("Há valores na temperatura ou resistecia que é inválido"));
    EXPECT_EQ(lines[3].colour, kRed);
    EXPECT_EQ(frm.SteinhartA, 0.0);
    EXPECT_EQ(frm.SteinhartB, 0.0);
    EXPECT_EQ(frm.SteinhartC, 0.0);
    EXPECT_EQ(Text("edtA"), "");
}

TEST_F(SteinhartTest, MarkerValuesAreRefusedAndNearValuesPass)
{
    TfrmMain &frm = OpenPage();
    TypePoints({"-20", "10000", "45", "1103073", "183079", "41316.1"});
    auto box = CaptureNextMessageBox();
    Calculate();
    EXPECT_TRUE(box->seen);
    EXPECT_EQ(frm.SteinhartC, 0.0);

    TypePoints({"-20", "12.5", "45", "1103073", "0", "41316.1"});
    box = CaptureNextMessageBox();
    Calculate();
    EXPECT_TRUE(box->seen);
    EXPECT_EQ(frm.SteinhartC, 0.0);
    EXPECT_EQ(LogLines().size(), 8u);

    // A temperature close to the marker is an ordinary temperature.
    TypePoints({"-20", "12.5", "9999.999", "1103073", "183079", "41316.1"});
    Calculate();
    EXPECT_NE(frm.SteinhartC, 0.0);
    EXPECT_NE(Text("edtA"), "");
    EXPECT_EQ(LogLines().size(), 11u);
}

TEST_F(SteinhartTest, DatasheetConstantsAndTheirRoundTrip)
{
    TfrmMain &frm = OpenPage();
    TypeDatasheetPoints();
    Calculate();
    // Both separators are normalised to the regional one and written back.
    EXPECT_EQ(Text("edtT2"), N("12.5"));
    EXPECT_EQ(Text("edtR3"), N("41316.1"));
    EXPECT_EQ(Text("edtA"), N("0.000833777969165095"));
    EXPECT_EQ(Text("edtB"), N("0.00020786481370718"));
    EXPECT_EQ(Text("edtC"), N("8.32737350948285E-8"));
    EXPECT_EQ(frm.SteinhartA, 0.00083377796916509525);
    EXPECT_EQ(frm.SteinhartC, 8.3273735094828528e-08);

    std::vector<LogLine> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, N("T1 = -20.00  >>  R1 = 1103073.00"));
    EXPECT_EQ(lines[1].text, N("T2 = 12.50  >>  R2 = 183079.00"));
    EXPECT_EQ(lines[2].text, N("T3 = 45.00  >>  R3 = 41316.10"));

    struct Case {
        const char *resistance;
        const char *kelvin;
        const char *celsius;
        const char *line;
    };
    const Case cases[] = {
        {"1103073", "    253.15", "    -20.00", "res = 1103073.00 temp K = 253.15 temp C = -20.00"},
        {"183079", "    285.65", "     12.50", "res = 183079.00 temp K = 285.65 temp C = 12.50"},
        {"41316,1", "    318.15", "     45.00", "res = 41316.10 temp K = 318.15 temp C = 45.00"},
    };
    for (const Case &c : cases) {
        TestResistance(c.resistance);
        EXPECT_EQ(Text("edtTempK"), N(c.kelvin));
        EXPECT_EQ(Text("edtTempC"), N(c.celsius));
        lines = LogLines();
        EXPECT_EQ(lines.back().text, N(c.line));
        EXPECT_EQ(lines.back().colour, kRed);
    }
    EXPECT_EQ(Text("edtRes"), N("41316.1"));
    EXPECT_EQ(LogLines().size(), 6u);
}

TEST_F(SteinhartTest, TestingBeforeAnyCalculation)
{
    OpenPage();
    auto box = CaptureNextMessageBox();
    TestResistance("183079");
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->text, QString::fromUtf8("Ainda não foi calculado os valores das constantes"));
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(Text("edtTempK"), "");

    // A refused calculation leaves them uncomputed.
    box = CaptureNextMessageBox();
    Calculate();
    box = CaptureNextMessageBox();
    TestResistance("183079");
    EXPECT_EQ(box->text, QString::fromUtf8("Ainda não foi calculado os valores das constantes"));
    EXPECT_EQ(LogLines().size(), 4u);
}

TEST_F(SteinhartTest, UnreadableTestResistance)
{
    TfrmMain &frm = OpenPage();
    TypeDatasheetPoints();
    Calculate();
    for (const char *text : {"-1", "abc", ""}) {
        auto box = CaptureNextMessageBox();
        TestResistance(text);
        ASSERT_TRUE(box->seen) << text;
        EXPECT_EQ(box->text, QString::fromUtf8("Valor da resistencia do termistor é inválido"));
        EXPECT_EQ(LogLines().size(), 3u) << text;
        EXPECT_EQ(Text("edtTempK"), "");
    }
    // The refused test leaves the default button as it was.
    EXPECT_TRUE(frm.btnCalcSteinhart->isDefault());
}

TEST_F(SteinhartTest, EnterPressesTestingUntilATestCompletes)
{
    TfrmMain &frm = OpenPage();
    frm.show();
    QApplication::processEvents();
    TypeDatasheetPoints();
    Calculate();
    auto *res = Find<QLineEdit>("edtRes");
    res->setFocus();
    EXPECT_FALSE(frm.btnCalcSteinhart->isDefault());

    QTest::keyClicks(res, "183079");
    EXPECT_TRUE(frm.btnCalcSteinhart->isDefault());
    QTest::keyClick(res, Qt::Key_Return);
    EXPECT_EQ(Text("edtTempC"), N("     12.50"));
    EXPECT_EQ(LogLines().size(), 4u);
    EXPECT_FALSE(frm.btnCalcSteinhart->isDefault());
    EXPECT_FALSE(frm.btnSteinhart->isDefault());
    EXPECT_EQ(frm.focusWidget(), res);

    // No default button any more: Enter presses nothing.
    QTest::keyClick(res, Qt::Key_Return);
    EXPECT_EQ(LogLines().size(), 4u);

    // A new value makes "Testing" the default again; the keypad's Enter works as well.
    res->selectAll();
    QTest::keyClicks(res, "41316.1");
    QTest::keyClick(res, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text("edtTempC"), N("     45.00"));
    EXPECT_EQ(LogLines().size(), 5u);

    // Enter in another field of the page also presses the default button.
    QTest::keyClicks(res, "0");
    QTest::keyClick(Find<QLineEdit>("edtT1"), Qt::Key_Return);
    EXPECT_EQ(LogLines().size(), 6u);
}

TEST_F(SteinhartTest, DefaultButtonOnlyActsOnItsVisiblePage)
{
    TfrmMain &frm = OpenPage();
    frm.show();
    TypeDatasheetPoints();
    Calculate();
    QTest::keyClicks(Find<QLineEdit>("edtRes"), "183079");
    frm.PageControl->setCurrentIndex(6);
    QApplication::processEvents();
    QTest::keyClick(Find<QLineEdit>("edtMod"), Qt::Key_Return);
    EXPECT_EQ(LogLines().size(), 3u);
}

TEST_F(SteinhartTest, MouseTestReturnsTheFocusToTheResistance)
{
    TfrmMain &frm = OpenPage();
    frm.show();
    TypeDatasheetPoints();
    Calculate();
    Find<QPushButton>("btnCalcSteinhart")->setFocus();
    TestResistance("183079");
    EXPECT_EQ(frm.focusWidget(), Find<QLineEdit>("edtRes"));
}

TEST_F(SteinhartTest, WriteBackOfTheResistanceMakesTestingDefaultOnRefusal)
{
    TfrmMain &frm = OpenPage();
    TypeDatasheetPoints();
    Calculate();
    auto *res = Find<QLineEdit>("edtRes");
    const QString other = sep == "." ? "," : ".";
    res->setText("x" + other + "1");
    frm.btnCalcSteinhart->setDefault(false);
    auto box = CaptureNextMessageBox();
    QTest::mouseClick(frm.btnCalcSteinhart, Qt::LeftButton);
    EXPECT_TRUE(box->seen);
    EXPECT_EQ(res->text(), "x" + sep + "1");
    EXPECT_TRUE(frm.btnCalcSteinhart->isDefault());
}

TEST_F(SteinhartTest, HandEditedConstantsAreNotRead)
{
    OpenPage();
    TypeDatasheetPoints();
    Calculate();
    Find<QLineEdit>("edtA")->setText("1");
    Find<QLineEdit>("edtB")->setText("0");
    Find<QLineEdit>("edtC")->setText("abc");
    TestResistance("1103073");
    EXPECT_EQ(Text("edtTempC"), N("    -20.00"));
}

class SteinhartFaultTest : public SteinhartTest {
protected:
    // Runs the calculation on the given points and expects the default error display.
    void ExpectCalculationFault(const QStringList &points, const char *message)
    {
        TypePoints(points);
        const std::size_t before = LogLines().size();
        const QString a = Text("edtA"), b = Text("edtB"), c = Text("edtC");
        auto box = CaptureNextMessageBox();
        Calculate();
        ASSERT_TRUE(box->seen) << message;
        EXPECT_EQ(box->icon, QMessageBox::Critical);
        EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
        EXPECT_EQ(box->text, QString(message) + ".");
        EXPECT_EQ(LogLines().size(), before + 3);  // the three input lines only
        EXPECT_EQ(Text("edtA"), a);
        EXPECT_EQ(Text("edtB"), b);
        EXPECT_EQ(Text("edtC"), c);
    }

    void ExpectTestFault(const QString &resistance, const char *message)
    {
        const std::size_t before = LogLines().size();
        const QString kelvin = Text("edtTempK");
        auto box = CaptureNextMessageBox();
        TestResistance(resistance);
        ASSERT_TRUE(box->seen) << message;
        EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
        EXPECT_EQ(box->text, QString(message) + ".");
        EXPECT_EQ(LogLines().size(), before);
        EXPECT_EQ(Text("edtTempK"), kelvin);
    }
};

TEST_F(SteinhartFaultTest, EqualResistances)
{
    TfrmMain &frm = OpenPage();
    ExpectCalculationFault({"-20", "12.5", "45", "183079", "183079", "41316.1"},
                           "Floating point division by zero");
    EXPECT_EQ(frm.SteinhartC, 0.0);
    ExpectCalculationFault({"-20", "12.5", "45", "1103073", "183079", "183079"},
                           "Floating point division by zero");
}

TEST_F(SteinhartFaultTest, HalfOhmKeepsTheStoredConstants)
{
    TfrmMain &frm = OpenPage();
    TypeDatasheetPoints();
    Calculate();
    const double a = frm.SteinhartA;
    const double b = frm.SteinhartB;
    const double c = frm.SteinhartC;
    ExpectCalculationFault({"-20", "12.5", "45", "0.5", "183079", "41316.1"},
                           "Invalid floating point operation");
    // C of the failed calibration forms before the square of ln 0.5 fails; it is not kept
    // beside A and B of the previous one, so the next test still gives the datasheet value.
    EXPECT_EQ(frm.SteinhartA, a);
    EXPECT_EQ(frm.SteinhartB, b);
    EXPECT_EQ(frm.SteinhartC, c);
    TestResistance("183079");
    EXPECT_EQ(Text("edtTempC"), N("     12.50"));
}

TEST_F(SteinhartFaultTest, NegativeResistance)
{
    OpenPage();
    ExpectCalculationFault({"-20", "12.5", "45", "1103073", "-183079", "41316.1"},
                           "Invalid floating point operation");
}

TEST_F(SteinhartFaultTest, TestResistanceOfZeroOrOneOhmOrLess)
{
    OpenPage();
    TypeDatasheetPoints();
    Calculate();
    ExpectTestFault("0", "Floating point division by zero");
    ExpectTestFault("1", "Floating point division by zero");
    ExpectTestFault("0.5", "Invalid floating point operation");
    ExpectTestFault("-2", "Invalid floating point operation");
}

TEST_F(SteinhartFaultTest, TemperatureBeyondTheDoubleRange)
{
    TfrmMain &frm = OpenPage();
    frm.SteinhartA = 1e-310;
    frm.SteinhartB = 1e-320;
    frm.SteinhartC = 1e-320;
    ExpectTestFault("1.5", "Floating point overflow");
}

}  // namespace
