// "AVR": the timer prescaler for a tick period on an 8-bit or 16-bit counter.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "main/controls.h"
#include "main/main.h"
#include "common/number_text.h"
#include "tools/prescaler.h"

void TfrmMain::CreateAvrPage(QWidget *page)
{
    using namespace controls;
    auto *heading = Make<QLabel>(page, "lblAvrHeading", {24, 20, 600, 22},
                                 "Calculating the Prescaler Value for SYSTIME");
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPixelSize(16);
    heading->setFont(headingFont);

    // Each field, bold and centred, under its caption; the results cannot be typed into.
    const struct {
        QLineEdit *TfrmMain::*member;
        const char *name;
        const char *caption;
        int left;
        int top;
        const char *text;
    } fields[] = {
        {&TfrmMain::edtF_CPU, "edtF_CPU", "F_CPU", 24, 72, "8000000"},
        {&TfrmMain::edtMS, "edtMS", "Time em ms", 24, 124, "1"},
        {&TfrmMain::edtPrescaler, "edtPrescaler", "Value Prescaler", 368, 72, nullptr},
        {&TfrmMain::edtRegPrescaler, "edtRegPrescaler", "SYSTIME_PRESCALER", 512, 72, nullptr},
        {&TfrmMain::edtComp, "edtComp", "Counter", 368, 124, nullptr},
    };
    for (const auto &field : fields) {
        Make<QLabel>(page, {}, {field.left, field.top, 121, 14}, field.caption);
        QLineEdit *edit =
            Bold(Centred(Make<QLineEdit>(page, field.name, {field.left, field.top + 16, 121, 24})));
        if (field.text)
            edit->setText(field.text);
        else
            edit->setReadOnly(true);
        this->*field.member = edit;
    }

    rdgCont = Make<QGroupBox>(page, "rdgCont", {24, 180, 185, 49}, "  Counrter  ");
    auto *eightBits = Make<QRadioButton>(rdgCont, {}, {10, 20, 80, 19}, "8 bits");
    auto *sixteenBits = Make<QRadioButton>(rdgCont, {}, {96, 20, 80, 19}, "16 bits");
    eightBits->setChecked(true);

    btnCalcTimer = Make<QPushButton>(page, "btnCalcTimer", {236, 138, 105, 33}, "Calculate >>");
    OnClick(btnCalcTimer, this, &TfrmMain::btnCalcTimerClick);
    CreateTimerTable(page);
    TabChain({edtF_CPU, edtMS, eightBits, sixteenBits, btnCalcTimer, edtPrescaler, edtComp,
              edtRegPrescaler, cbbTimer, edtTimerPrescalers, spiTimerBits, btnTimerPairs,
              grdTimerPairs});
}

int TfrmMain::PrescalerSetting(std::int64_t P)
{
    return zolvik::PrescalerSetting(P);
}

void TfrmMain::btnCalcTimerClick(QObject *)
{
    HandleErrors([&] {
        const std::int32_t clockHz =
            zolvik::StrToIntDef(edtF_CPU->text().toStdString(), zolvik::kDefaultClockHz);
        edtF_CPU->setText(QString::fromStdString(zolvik::IntToStr(clockHz)));
        const std::int32_t periodMs =
            zolvik::StrToIntDef(edtMS->text().toStdString(), zolvik::kDefaultPeriodMs);
        edtMS->setText(QString::fromStdString(zolvik::IntToStr(periodMs)));

        const auto items = rdgCont->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        const int counterBits = items.size() > 1 && items[1]->isChecked() ? 16 : 8;

        const zolvik::PrescalerResult result =
            zolvik::CalculatePrescaler(clockHz, periodMs, zolvik::CounterLimit(counterBits));
        edtPrescaler->setText(QString::fromStdString(zolvik::IntToStr(result.prescaler)));
        edtComp->setText(QString::fromStdString(zolvik::IntToStr(result.count)));
        edtRegPrescaler->setText(
            QString::fromStdString(zolvik::IntToStr(PrescalerSetting(result.prescaler))));
    });
}
