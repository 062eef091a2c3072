// "Calculate Steinhart-Hart": thermistor constants from three datasheet points, and a test
// that turns a resistance back into a temperature. Both write lines to the report.
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "main/controls.h"
#include "main/main.h"
#include "platform/prompts.h"
#include "widgets/caption_over_picture_button.h"
#include "tools/steinhart_hart.h"

namespace {

const QColor kLogBlue(0, 0, 255);
const QColor kLogRed(255, 0, 0);

const QString kPointsInvalid = QString::fromUtf8(zolvik::kSteinhartPointsInvalid);
const QString kNotCalculated = QString::fromUtf8(zolvik::kSteinhartNotCalculated);
const QString kResistanceInvalid = QString::fromUtf8(zolvik::kSteinhartResistanceInvalid);

// A plain window has no default button of its own: Enter or Return that no control takes
// presses the button marked default, or the focused button when a button has the focus.
class DefaultButtonKeys : public QObject {
public:
    DefaultButtonKeys(QWidget *window, QPushButton *button) : QObject(window), FButton(button)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (!FButton->isDefault() || !FButton->isVisible() || !FButton->isEnabled())
            return false;
        QPushButton *target = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (!target || !target->isVisible() || !target->isEnabled())
            target = FButton;
        target->click();
        return true;
    }

private:
    QPushButton *FButton;
};

}  // namespace

void TfrmMain::CreateSteinhartPage(QWidget *page)
{
    using namespace controls;
    CreateSteinhartPictures(page);
    CreateSteinhartInstructions(page);

    // The three calibration points, row by row, with their design-time texts; a start always
    // replaces them with the stored ones.
    auto *points = Framed(Make<QFrame>(page, "PanelSteinhartPoints", {464, 188, 305, 122}),
                          QFrame::Box | QFrame::Sunken);
    Centred(Make<QLabel>(points, {}, {23, 10, 130, 14}, "Graus Celcius"));
    Centred(Make<QLabel>(points, {}, {173, 10, 130, 14}, "Resistencia em ohms"));
    const struct {
        QLineEdit *TfrmMain::*temperature;
        QLineEdit *TfrmMain::*resistance;
        const char *celsius;
        const char *ohms;
    } rows[] = {
        {&TfrmMain::edtT1, &TfrmMain::edtR1, "-20", "1103073"},
        {&TfrmMain::edtT2, &TfrmMain::edtR2, "12.5", "183079"},
        {&TfrmMain::edtT3, &TfrmMain::edtR3, "45", "41316,1"},
    };
    for (int row = 0; row < 3; ++row) {
        const int top = 32 + 28 * row;
        const QString number = QString::number(row + 1);
        Make<QLabel>(points, {}, {10, top + 4}, "T" + number);
        Make<QLabel>(points, {}, {160, top + 4}, "R" + number);
        this->*rows[row].temperature =
            Make<QLineEdit>(points, "edtT" + number, {32, top, 112, 21}, rows[row].celsius);
        this->*rows[row].resistance =
            Make<QLineEdit>(points, "edtR" + number, {182, top, 112, 21}, rows[row].ohms);
    }

    // The constants after their letters, the test's fields under their captions.
    const Row<QLabel, TfrmMain> captions[] = {
        {nullptr, "", {472, 330}, "A"},
        {nullptr, "", {472, 358}, "B"},
        {nullptr, "", {472, 386}, "C"},
        {nullptr, "", {464, 476}, "Resistive value in ohms"},
        {nullptr, "", {464, 566}, "Temperature in degrees Kelvin"},
        {nullptr, "", {464, 614}, "Temperature in degrees Celsius"},
    };
    const Row<QLineEdit, TfrmMain> fields[] = {
        {&TfrmMain::edtA, "edtA", {488, 326, 281, 21}},
        {&TfrmMain::edtB, "edtB", {488, 354, 281, 21}},
        {&TfrmMain::edtC, "edtC", {488, 382, 281, 21}},
        {&TfrmMain::edtRes, "edtRes", {464, 492, 181, 21}},
        {&TfrmMain::edtTempK, "edtTempK", {464, 582, 181, 21}},
        {&TfrmMain::edtTempC, "edtTempC", {464, 630, 181, 21}},
    };
    MakeRows(this, page, captions);
    MakeRows(this, page, fields);
    Make<QLabel>(
        page, "lblSteinhartTest", {464, 422, 431, 42},
        "To test, refer to the thermistor resistance values and apply the test, and verify "
        "that the temperature value calculated by the software corresponds to the datasheet")
        ->setWordWrap(true);

    btnSteinhart = Make<CaptionOverPictureButton>(page, "btnSteinhart", {778, 212, 121, 75},
                                                  "Calculate Constants",
                                                  style()->standardIcon(QStyle::SP_BrowserReload));
    btnCalcSteinhart =
        Make<CaptionOverPictureButton>(page, "btnCalcSteinhart", {664, 476, 105, 75}, "Testing",
                                       style()->standardIcon(QStyle::SP_DialogApplyButton));

    TabChain({edtT1, edtR1, edtT2, edtR2, edtT3, edtR3, btnSteinhart, edtA, edtB, edtC, edtRes,
              btnCalcSteinhart, edtTempK, edtTempC});
    OnClick(btnSteinhart, this, &TfrmMain::btnSteinhartClick);
    OnClick(btnCalcSteinhart, this, &TfrmMain::btnCalcSteinhartClick);
    On(edtRes, &QLineEdit::textChanged, this, &TfrmMain::edtResChange);
    new DefaultButtonKeys(this, btnCalcSteinhart);
    CreateSteinhartWorkbenchButton(page);
}

void TfrmMain::CreateSteinhartInstructions(QWidget *page)
{
    using namespace controls;
    const char *const steps[] = {
        "1 - Select the temperature extremes (T1 and T3) of the thermistor working range.",
        "2 - Then choose the equidistant temperature point (T2) between (T1 and T3).",
        "3 - Refer to the thermistor datasheet and take the resistance values for the three "
        "temperature points that we will calculate.",
    };
    const int tops[] = {20, 52, 84};
    for (int i = 0; i < 3; ++i) {
        Make<QLabel>(page, QString("lblSteinhartStep%1").arg(i + 1), {464, tops[i], 431, 30},
                     steps[i])
            ->setWordWrap(true);
    }
    Make<QLabel>(page, "lblSteinhartMore", {464, 128, 431, 16},
                 "For more information see the document:");
    Bold(Centred(Make<QLabel>(page, "lblSteinhartDocument", {464, 150, 431, 16},
                              "Calibrating NTC Thermistors with the Steinhart-Hart Equation")));
}

void TfrmMain::SteinhartErrorBox(const QString &text)
{
    platform::CurrentPrompts().ShowMessage(this, QMessageBox::Critical, "Error", text);
}

void TfrmMain::btnSteinhartClick(QObject *)
{
    HandleErrors([&] {
        const char separator = DecimalSeparator();
        QLineEdit *const fields[6] = {edtT1, edtT2, edtT3, edtR1, edtR2, edtR3};
        double values[6];
        for (int i = 0; i < 6; ++i) {
            const double unreadable =
                i < 3 ? zolvik::kUnreadableTemperature : zolvik::kUnreadableResistance;
            const zolvik::DecimalField field =
                zolvik::ReadDecimalField(fields[i]->text().toStdString(), unreadable, separator);
            const QString normalised = QString::fromStdString(field.text);
            if (fields[i]->text() != normalised)
                fields[i]->setText(normalised);
            values[i] = field.value;
        }
        const zolvik::SteinhartPoints points{values[0], values[1], values[2],
                                             values[3], values[4], values[5]};

        LogFmt(kLogBlue, "T1 = %f  >>  R1 = %f",
               {static_cast<long double>(points.t1), static_cast<long double>(points.r1)});
        LogFmt(kLogBlue, "T2 = %f  >>  R2 = %f",
               {static_cast<long double>(points.t2), static_cast<long double>(points.r2)});
        LogFmt(kLogBlue, "T3 = %f  >>  R3 = %f",
               {static_cast<long double>(points.t3), static_cast<long double>(points.r3)});

        if (!zolvik::SteinhartPointsUsable(points)) {
            SteinhartErrorBox(kPointsInvalid);
            Log(kLogRed, kPointsInvalid);
            return;
        }

        // All three are computed before any is stored: a fault part way must not leave C of
        // this calibration beside A and B of the previous one for the next test.
        const zolvik::SteinhartConstants constants = zolvik::SteinhartConstantsOf(points);
        SteinhartC = constants.c;
        SteinhartB = constants.b;
        SteinhartA = constants.a;

        edtA->setText(QString::fromStdString(zolvik::FormatGeneral(SteinhartA, separator)));
        edtB->setText(QString::fromStdString(zolvik::FormatGeneral(SteinhartB, separator)));
        edtC->setText(QString::fromStdString(zolvik::FormatGeneral(SteinhartC, separator)));
    });
}

void TfrmMain::btnCalcSteinhartClick(QObject *)
{
    HandleErrors([&] {
        const zolvik::SteinhartConstants constants{SteinhartA, SteinhartB, SteinhartC};
        if (!zolvik::SteinhartConstantsComputed(constants)) {
            SteinhartErrorBox(kNotCalculated);
            return;
        }

        const char separator = DecimalSeparator();
        const zolvik::DecimalField field = zolvik::ReadDecimalField(
            edtRes->text().toStdString(), zolvik::kUnreadableTestResistance, separator);
        const QString normalised = QString::fromStdString(field.text);
        if (edtRes->text() != normalised)
            edtRes->setText(normalised);
        const double resistance = field.value;
        if (resistance == zolvik::kUnreadableTestResistance) {
            SteinhartErrorBox(kResistanceInvalid);
            return;
        }

        const double kelvin = zolvik::SteinhartKelvin(constants, resistance);
        const long double celsius = zolvik::KelvinToCelsius(kelvin);
        LogFmt(kLogRed, "res = %f temp K = %f temp C = %f",
               {static_cast<long double>(resistance), static_cast<long double>(kelvin), celsius});
        edtTempK->setText(QString::fromStdString(
            zolvik::SteinhartTemperatureText(static_cast<long double>(kelvin), separator)));
        edtTempC->setText(
            QString::fromStdString(zolvik::SteinhartTemperatureText(celsius, separator)));

        btnSteinhart->setDefault(false);
        btnCalcSteinhart->setDefault(false);
        edtRes->setFocus();
    });
}

void TfrmMain::edtResChange(QObject *)
{
    HandleErrors([&] {
        btnSteinhart->setDefault(false);
        btnCalcSteinhart->setDefault(true);
    });
}
