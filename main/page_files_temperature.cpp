// "Temperature Converter": typing into any of the three fields converts it into the other two.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/u_string.h"
#include "main/controls.h"
#include "main/main.h"
#include "tools/temperature.h"

struct TfrmMain::TemperatureField {
    QLineEdit *edit;
    int &busy;
    zolvik::TemperatureScale scale;
};

namespace {

// Writing the same text is no change: it fires nothing and leaves the caret alone.
void SetChangedText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

}  // namespace

void TfrmMain::CreateTemperaturePanel(QWidget *page)
{
    using namespace controls;
    QFrame *panel = Framed(Make<QFrame>(page, "PanelTemperature", {177, 505, 400, 116}),
                           QFrame::Box | QFrame::Plain);
    MakeTitleBar(panel, "PanelTemperatureTitle", "Temperature Converter", 2);

    struct FieldInfo {
        QLineEdit *TfrmMain::*member;
        const char *name;
        const char *label;
        int left;
        void (TfrmMain::*change)(QObject *);
    };
    const FieldInfo fields[] = {
        {&TfrmMain::edtCelcius, "edtCelcius", "Celsius", 12, &TfrmMain::edtCelciusChange},
        {&TfrmMain::edtFahrenheit, "edtFahrenheit", "Fahrenheit", 142,
         &TfrmMain::edtFahrenheitChange},
        {&TfrmMain::edtKelvin, "edtKelvin", "Kelvin", 272, &TfrmMain::edtKelvinChange}};
    for (const FieldInfo &field : fields) {
        Make<QLabel>(panel, {}, {field.left, 36}, field.label);
        this->*field.member =
            Bold(Centred(Make<QLineEdit>(panel, field.name, {field.left, 52, 116, 24}, "0")));
    }

    // The decimals are a group of their own, apart from the ROM table's two groups.
    auto *decimals = Make<QWidget>(panel, "PanelDecimals", {12, 84, 376, 24});
    rdbDecimal1 = Make<QRadioButton>(decimals, "rdbDecimal1", {0, 4}, "One decimal digits");
    rdbDecimal2 = Make<QRadioButton>(decimals, "rdbDecimal2", {190, 4}, "Two decimal digits");
    rdbDecimal1->setChecked(true);

    for (const FieldInfo &field : fields)
        On(this->*field.member, &QLineEdit::textChanged, this, field.change);
    // Only the button that becomes selected converts; clicking the selected one does nothing.
    OnTurnedOn(rdbDecimal1, this, &TfrmMain::edtCelciusChange, rdbDecimal1);
    OnTurnedOn(rdbDecimal2, this, &TfrmMain::edtCelciusChange, rdbDecimal2);

    TabChain({edtCelcius, edtFahrenheit, edtKelvin, rdbDecimal1, rdbDecimal2});
}

void TfrmMain::TemperatureChange(TemperatureField &source, TemperatureField &first,
                                 TemperatureField &second)
{
    // A change written by a running conversion of another field.
    if (first.busy > 0 || second.busy > 0)
        return;
    source.busy = 1;
    // The mark comes down also when an error ends the conversion, so the field keeps working.
    struct BusyMark {
        int &mark;
        ~BusyMark() { mark = 0; }
    } busyMark{source.busy};

    const int decimals = rdbDecimal1->isChecked() ? 1 : 2;
    const char separator = DecimalSeparator();
    // Writing back a normalised text runs this conversion once more inside itself; the
    // outer run then writes the same results again, which changes nothing.
    SetChangedText(source.edit, QString::fromStdString(zolvik::FixDecimalSeparator(
                                    source.edit->text().toStdString(), separator)));
    const zolvik::TemperatureTexts texts = zolvik::ConvertTemperatureText(
        source.scale, source.edit->text().toStdString(), decimals, separator);
    SetChangedText(first.edit, QString::fromStdString(texts.first));
    SetChangedText(second.edit, QString::fromStdString(texts.second));
}

void TfrmMain::TemperatureChange(int source)
{
    TemperatureField fields[] = {
        {edtCelcius, FCelciusBusy, zolvik::TemperatureScale::Celsius},
        {edtFahrenheit, FFahrenheitBusy, zolvik::TemperatureScale::Fahrenheit},
        {edtKelvin, FKelvinBusy, zolvik::TemperatureScale::Kelvin},
    };
    const int first = source == 0 ? 1 : 0;
    const int second = source == 2 ? 1 : 2;
    TemperatureChange(fields[source], fields[first], fields[second]);
}

void TfrmMain::edtCelciusChange(QObject *)
{
    HandleErrors([&] { TemperatureChange(0); });
}

void TfrmMain::edtFahrenheitChange(QObject *)
{
    HandleErrors([&] { TemperatureChange(1); });
}

void TfrmMain::edtKelvinChange(QObject *)
{
    HandleErrors([&] { TemperatureChange(2); });
}
