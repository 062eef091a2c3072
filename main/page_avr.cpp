// "AVR": the timer prescaler for a tick period on an 8-bit or 16-bit counter.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "main/main.h"
#include "common/number_text.h"
#include "tools/prescaler.h"

void TfrmMain::CreateAvrPage(QWidget *page)
{
    auto *heading = new QLabel("Calculating the Prescaler Value for SYSTIME", page);
    heading->setObjectName("lblAvrHeading");
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPixelSize(16);
    heading->setFont(headingFont);
    heading->setGeometry(24, 20, 600, 22);

    edtF_CPU = CreateAvrField(page, "edtF_CPU", "F_CPU", 24, 72, false);
    edtF_CPU->setText("8000000");
    edtMS = CreateAvrField(page, "edtMS", "Time em ms", 24, 124, false);
    edtMS->setText("1");

    rdgCont = new QGroupBox("  Counrter  ", page);
    rdgCont->setObjectName("rdgCont");
    rdgCont->setGeometry(24, 180, 185, 49);
    auto *eightBits = new QRadioButton("8 bits", rdgCont);
    eightBits->setGeometry(10, 20, 80, 19);
    auto *sixteenBits = new QRadioButton("16 bits", rdgCont);
    sixteenBits->setGeometry(96, 20, 80, 19);
    eightBits->setChecked(true);

    btnCalcTimer = new QPushButton("Calculate >>", page);
    btnCalcTimer->setObjectName("btnCalcTimer");
    btnCalcTimer->setGeometry(236, 138, 105, 33);

    edtPrescaler = CreateAvrField(page, "edtPrescaler", "Value Prescaler", 368, 72, true);
    edtRegPrescaler = CreateAvrField(page, "edtRegPrescaler", "SYSTIME_PRESCALER", 512, 72, true);
    edtComp = CreateAvrField(page, "edtComp", "Counter", 368, 124, true);

    setTabOrder(edtF_CPU, edtMS);
    setTabOrder(edtMS, eightBits);
    setTabOrder(eightBits, sixteenBits);
    setTabOrder(sixteenBits, btnCalcTimer);
    setTabOrder(btnCalcTimer, edtPrescaler);
    setTabOrder(edtPrescaler, edtComp);
    setTabOrder(edtComp, edtRegPrescaler);

    connect(btnCalcTimer, &QPushButton::clicked, this, [this] { btnCalcTimerClick(btnCalcTimer); });
}

QLineEdit *TfrmMain::CreateAvrField(QWidget *page, const char *name, const QString &label,
                                    int left, int top, bool readOnly)
{
    auto *caption = new QLabel(label, page);
    caption->setGeometry(left, top, 121, 14);
    auto *field = new QLineEdit(page);
    field->setObjectName(name);
    field->setGeometry(left, top + 16, 121, 24);
    field->setAlignment(Qt::AlignCenter);
    QFont bold = field->font();
    bold.setBold(true);
    field->setFont(bold);
    field->setReadOnly(readOnly);
    return field;
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
