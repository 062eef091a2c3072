// "Calculate Steinhart-Hart": thermistor constants from three datasheet points, and a test
// that turns a resistance back into a temperature. Both write lines to the report.
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include "main/main.h"
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

QLabel *CreateLabel(QWidget *parent, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

void TfrmMain::CreateSteinhartPage(QWidget *page)
{
    CreateSteinhartPictures(page);
    CreateSteinhartInstructions(page);

    // The three calibration points, row by row.
    auto *points = new QFrame(page);
    points->setObjectName("PanelSteinhartPoints");
    points->setFrameShape(QFrame::Box);
    points->setFrameShadow(QFrame::Sunken);
    points->setGeometry(464, 188, 305, 122);
    auto *celsiusHead = new QLabel("Graus Celcius", points);
    celsiusHead->setGeometry(23, 10, 130, 14);
    celsiusHead->setAlignment(Qt::AlignCenter);
    auto *ohmsHead = new QLabel("Resistencia em ohms", points);
    ohmsHead->setGeometry(173, 10, 130, 14);
    ohmsHead->setAlignment(Qt::AlignCenter);
    QLineEdit **rows[3][2] = {{&edtT1, &edtR1}, {&edtT2, &edtR2}, {&edtT3, &edtR3}};
    for (int row = 0; row < 3; ++row) {
        const int top = 32 + 28 * row;
        const QString number = QString::number(row + 1);
        CreateLabel(points, "T" + number, 10, top + 4);
        CreateLabel(points, "R" + number, 160, top + 4);
        QLineEdit *&t = *rows[row][0];
        QLineEdit *&r = *rows[row][1];
        t = new QLineEdit(points);
        r = new QLineEdit(points);
        t->setObjectName("edtT" + number);
        r->setObjectName("edtR" + number);
        t->setGeometry(32, top, 112, 21);
        r->setGeometry(182, top, 112, 21);
    }
    // Design-time texts; a start always replaces them with the stored ones.
    edtT1->setText("-20");
    edtT2->setText("12.5");
    edtT3->setText("45");
    edtR1->setText("1103073");
    edtR2->setText("183079");
    edtR3->setText("41316,1");

    btnSteinhart = new CaptionOverPictureButton(
        "Calculate Constants", style()->standardIcon(QStyle::SP_BrowserReload), page);
    btnSteinhart->setObjectName("btnSteinhart");
    btnSteinhart->setGeometry(778, 212, 121, 75);

    edtA = CreateSteinhartField(page, "edtA", "A", 488, 326, 281);
    edtB = CreateSteinhartField(page, "edtB", "B", 488, 354, 281);
    edtC = CreateSteinhartField(page, "edtC", "C", 488, 382, 281);

    auto *testText = new QLabel("To test, refer to the thermistor resistance values and apply the "
                                "test, and verify that the temperature value calculated by the "
                                "software corresponds to the datasheet",
                                page);
    testText->setObjectName("lblSteinhartTest");
    testText->setWordWrap(true);
    testText->setGeometry(464, 422, 431, 42);

    edtRes = CreateSteinhartField(page, "edtRes", QString(), 464, 492, 181);
    CreateLabel(page, "Resistive value in ohms", 464, 476);

    btnCalcSteinhart = new CaptionOverPictureButton(
        "Testing", style()->standardIcon(QStyle::SP_DialogApplyButton), page);
    btnCalcSteinhart->setObjectName("btnCalcSteinhart");
    btnCalcSteinhart->setGeometry(664, 476, 105, 75);

    CreateLabel(page, "Temperature in degrees Kelvin", 464, 566);
    edtTempK = CreateSteinhartField(page, "edtTempK", QString(), 464, 582, 181);
    CreateLabel(page, "Temperature in degrees Celsius", 464, 614);
    edtTempC = CreateSteinhartField(page, "edtTempC", QString(), 464, 630, 181);

    setTabOrder(edtT1, edtR1);
    setTabOrder(edtR1, edtT2);
    setTabOrder(edtT2, edtR2);
    setTabOrder(edtR2, edtT3);
    setTabOrder(edtT3, edtR3);
    setTabOrder(edtR3, btnSteinhart);
    setTabOrder(btnSteinhart, edtA);
    setTabOrder(edtA, edtB);
    setTabOrder(edtB, edtC);
    setTabOrder(edtC, edtRes);
    setTabOrder(edtRes, btnCalcSteinhart);
    setTabOrder(btnCalcSteinhart, edtTempK);
    setTabOrder(edtTempK, edtTempC);

    connect(btnSteinhart, &QPushButton::clicked, this, [this] { btnSteinhartClick(btnSteinhart); });
    connect(btnCalcSteinhart, &QPushButton::clicked, this,
            [this] { btnCalcSteinhartClick(btnCalcSteinhart); });
    connect(edtRes, &QLineEdit::textChanged, this, [this] { edtResChange(edtRes); });
    new DefaultButtonKeys(this, btnCalcSteinhart);
}

void TfrmMain::CreateSteinhartInstructions(QWidget *page)
{
    const char *const steps[] = {
        "1 - Select the temperature extremes (T1 and T3) of the thermistor working range.",
        "2 - Then choose the equidistant temperature point (T2) between (T1 and T3).",
        "3 - Refer to the thermistor datasheet and take the resistance values for the three "
        "temperature points that we will calculate.",
    };
    const int tops[] = {20, 52, 84};
    for (int i = 0; i < 3; ++i) {
        auto *step = new QLabel(steps[i], page);
        step->setObjectName(QString("lblSteinhartStep%1").arg(i + 1));
        step->setWordWrap(true);
        step->setGeometry(464, tops[i], 431, 30);
    }
    auto *more = new QLabel("For more information see the document:", page);
    more->setObjectName("lblSteinhartMore");
    more->setGeometry(464, 128, 431, 16);
    auto *document = new QLabel("Calibrating NTC Thermistors with the Steinhart-Hart Equation", page);
    document->setObjectName("lblSteinhartDocument");
    document->setAlignment(Qt::AlignCenter);
    QFont bold = document->font();
    bold.setBold(true);
    document->setFont(bold);
    document->setGeometry(464, 150, 431, 16);
}

QLineEdit *TfrmMain::CreateSteinhartField(QWidget *parent, const char *name, const QString &label,
                                          int left, int top, int width)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(left, top, width, 21);
    if (!label.isEmpty())
        CreateLabel(parent, label, left - 16, top + 4);
    return field;
}

void TfrmMain::SteinhartErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, "Error", text, QMessageBox::Ok, this);
    box.exec();
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

        LogFmt(kLogBlue, "T1 = %f  >>  R1 = %f", {static_cast<long double>(points.t1),
                                                 static_cast<long double>(points.r1)});
        LogFmt(kLogBlue, "T2 = %f  >>  R2 = %f", {static_cast<long double>(points.t2),
                                                 static_cast<long double>(points.r2)});
        LogFmt(kLogBlue, "T3 = %f  >>  R3 = %f", {static_cast<long double>(points.t3),
                                                 static_cast<long double>(points.r3)});

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
        edtTempC->setText(QString::fromStdString(zolvik::SteinhartTemperatureText(celsius, separator)));

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
