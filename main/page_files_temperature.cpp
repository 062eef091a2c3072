// "Temperature Converter": typing into any of the three fields converts it into the other two.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/u_string.h"
#include "main/main.h"
#include "main/page_files_style.h"
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
    QFrame *panel = files_page::CreatePanel(page, "PanelTemperature", QRect(177, 505, 400, 116));
    files_page::CreateTitleBar(panel, "PanelTemperatureTitle", "Temperature Converter");

    struct FieldInfo {
        QLineEdit *TfrmMain::*member;
        const char *name;
        const char *label;
        int left;
    };
    const FieldInfo fields[] = {{&TfrmMain::edtCelcius, "edtCelcius", "Celsius", 12},
                                {&TfrmMain::edtFahrenheit, "edtFahrenheit", "Fahrenheit", 142},
                                {&TfrmMain::edtKelvin, "edtKelvin", "Kelvin", 272}};
    for (const FieldInfo &field : fields) {
        auto *label = new QLabel(field.label, panel);
        label->move(field.left, 36);
        this->*field.member = files_page::CreateCentredEdit(panel, field.name, "0",
                                                            QRect(field.left, 52, 116, 24), true);
    }

    // The decimals are a group of their own, apart from the ROM table's two groups.
    auto *decimals = new QWidget(panel);
    decimals->setObjectName("PanelDecimals");
    decimals->setGeometry(12, 84, 376, 24);
    rdbDecimal1 = files_page::CreateRadioButton(decimals, "rdbDecimal1", "One decimal digits",
                                                QPoint(0, 4));
    rdbDecimal2 = files_page::CreateRadioButton(decimals, "rdbDecimal2", "Two decimal digits",
                                                QPoint(190, 4));
    rdbDecimal1->setChecked(true);

    connect(edtCelcius, &QLineEdit::textChanged, this, [this] { edtCelciusChange(edtCelcius); });
    connect(edtFahrenheit, &QLineEdit::textChanged, this,
            [this] { edtFahrenheitChange(edtFahrenheit); });
    connect(edtKelvin, &QLineEdit::textChanged, this, [this] { edtKelvinChange(edtKelvin); });
    // Only the button that becomes selected converts; clicking the selected one does nothing.
    connect(rdbDecimal1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            edtCelciusChange(rdbDecimal1);
    });
    connect(rdbDecimal2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            edtCelciusChange(rdbDecimal2);
    });

    setTabOrder(edtCelcius, edtFahrenheit);
    setTabOrder(edtFahrenheit, edtKelvin);
    setTabOrder(edtKelvin, rdbDecimal1);
    setTabOrder(rdbDecimal1, rdbDecimal2);
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
