// "WorkTemp": one weekly working slot (start, duration, days, enable) packed into a 32-bit
// schedule word and unpacked again.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "main/controls.h"
#include "main/main.h"
#include "tools/schedule_word.h"

namespace {

// The time the pickers hold until the first conversion.
const QTime kDesignTime(9, 45, 10);

QString HourCaption(int hour)
{
    return QString("%1 %2 = %3 minutos").arg(hour).arg(hour <= 1 ? "hora" : "horas").arg(60 * hour);
}

QString HexCaption(std::int32_t word)
{
    return QString::fromStdString(zolvik::ScheduleHexText(word));
}

std::int32_t LenientValue(const QLineEdit *edit)
{
    return zolvik::StrToIntDef(edit->text().toStdString(), 0);
}

}  // namespace

void TfrmMain::CreateWorkTempPage(QWidget *page)
{
    using namespace controls;
    const Row<QLabel, TfrmMain> captions[] = {
        {&TfrmMain::LabelStartTime, "LabelStartTime", {16, 12}, "Start Time"},
        {&TfrmMain::LabelDuration, "LabelDuration", {112, 12}, "Duration"},
        {&TfrmMain::LabelDayOfWeek, "LabelDayOfWeek", {16, 84}, "Day of the week"},
        {&TfrmMain::LabelDecimalValue, "LabelDecimalValue", {328, 12}, "Decimal Value"},
        {&TfrmMain::lblHex, "lblHex", {460, 31}, "0x0"},
        {&TfrmMain::LabelInitTime, "LabelInitTime", {328, 84}, "Start Time"},
        {&TfrmMain::LabelDurationTime, "LabelDurationTime", {432, 84}, "Duration"},
        {&TfrmMain::LabelEndTime, "LabelEndTime", {536, 84}, "End Time"},
    };
    // The rest in keyboard order.
    const Row<QLineEdit, TfrmMain> minutes[] = {
        {&TfrmMain::edtH, "edtH", {16, 28, 81, 21}, "360"},
        {&TfrmMain::edtD, "edtD", {112, 28, 81, 21}, "240"},
    };
    const Row<QCheckBox, TfrmMain> flags[] = {
        {&TfrmMain::cbxEn, "cbxEn", {16, 56, 97, 17}, "Enable"},
        {&TfrmMain::cbxDomingo, "cbxDomingo", {16, 102, 97, 17}, "Sunday"},
        {&TfrmMain::cbxSegunda, "cbxSegunda", {16, 122, 97, 17}, "Monday"},
        {&TfrmMain::cbxTerca, "cbxTerca", {16, 142, 97, 17}, "Tuesday"},
        {&TfrmMain::cbxQuarta, "cbxQuarta", {16, 162, 97, 17}, "Wednesday"},
        {&TfrmMain::cbxQuinta, "cbxQuinta", {16, 182, 97, 17}, "Thursday"},
        {&TfrmMain::cbxSexta, "cbxSexta", {16, 202, 97, 17}, "Friday"},
        {&TfrmMain::cbxSabado, "cbxSabado", {16, 222, 97, 17}, "Saturday"},
    };
    const Row<QPushButton, TfrmMain> conversions[] = {
        {&TfrmMain::btConv1, "btConv1", {216, 26, 97, 25}, "Convert >>"},
        {&TfrmMain::btConv2, "btConv2", {216, 58, 97, 25}, "<< Convert"},
    };
    const Row<QTimeEdit, TfrmMain> pickers[] = {
        {&TfrmMain::dtpInit, "dtpInit", {328, 100, 97, 21}},
        {&TfrmMain::dtpDuration, "dtpDuration", {432, 100, 97, 21}},
        {&TfrmMain::dtpAll, "dtpAll", {536, 100, 97, 21}},
    };
    MakeRows(this, page, captions);
    MakeRows(this, page, minutes);
    MakeRows(this, page, flags, [](QCheckBox *box) { box->setChecked(true); });
    MakeRows(this, page, conversions);
    edtResTime = Make<QLineEdit>(page, "edtResTime", {328, 28, 121, 21}, "0");
    for (const Row<QTimeEdit, TfrmMain> &picker : pickers) {
        this->*picker.member = Make<QTimeEdit>(page, picker.name, picker.place, kDesignTime);
        (this->*picker.member)->setDisplayFormat("HH:mm:ss");
    }
    OnClick(btConv1, this, &TfrmMain::btConv1Click);
    OnClick(btConv2, this, &TfrmMain::btConv2Click);

    // Reference table: whole hours in minutes, 0..11 on the left, 12..23 on the right.
    for (int hour = 0; hour < 24; ++hour) {
        QLabel *label =
            Make<QLabel>(page, QString("LabelHour%1").arg(hour),
                         {hour < 12 ? 24 : 304, 280 + 25 * (hour % 12)}, HourCaption(hour));
        // Sized again for the table's font.
        label->setFont(InterfaceFont(16, kBold));
        label->adjustSize();
        LabelHours[hour] = label;
    }
}

QCheckBox *TfrmMain::WorkTempFlagBox(int bit) const
{
    QCheckBox *const boxes[] = {cbxDomingo, cbxSegunda, cbxTerca,  cbxQuarta,
                                cbxQuinta,  cbxSexta,   cbxSabado, cbxEn};
    return boxes[bit];
}

void TfrmMain::WorkTempShowMinutes(QTimeEdit *picker, std::int32_t minutes)
{
    const zolvik::PickerTime time = zolvik::PickerTimeOf(minutes);
    picker->setTime(QTime(time.hour, time.minute, 0));
}

void TfrmMain::btConv1Click(QObject *)
{
    HandleErrors([&] {
        const std::int32_t duration = LenientValue(edtD);
        const std::int32_t start = LenientValue(edtH);
        zolvik::ScheduleFlags flags{};
        for (int bit = 0; bit < 8; ++bit)
            flags[bit] = WorkTempFlagBox(bit)->isChecked();
        const std::int32_t word =
            zolvik::EncodeScheduleWord(duration, start, zolvik::ScheduleFlagBits(flags));
        edtResTime->setText(QString::fromStdString(zolvik::IntToStr(word)));
        lblHex->setText(HexCaption(zolvik::StrToInt(edtResTime->text().toStdString())));
        lblHex->adjustSize();
        WorkTempShowMinutes(dtpInit, start);
        WorkTempShowMinutes(dtpDuration, duration);
        WorkTempShowMinutes(dtpAll, zolvik::WrappingSum(start, duration));
    });
}

void TfrmMain::btConv2Click(QObject *)
{
    HandleErrors([&] {
        const std::int32_t duration = zolvik::ScheduleDuration(LenientValue(edtResTime));
        edtD->setText(QString::number(duration));
        WorkTempShowMinutes(dtpDuration, duration);

        const std::int32_t start = zolvik::ScheduleStart(LenientValue(edtResTime));
        edtH->setText(QString::number(start));
        WorkTempShowMinutes(dtpInit, start);

        WorkTempShowMinutes(dtpAll, zolvik::WrappingSum(start, duration));

        const zolvik::ScheduleFlags flags = zolvik::ScheduleFlagsOf(LenientValue(edtResTime));
        for (int bit = 0; bit < 8; ++bit)
            WorkTempFlagBox(bit)->setChecked(flags[bit]);

        lblHex->setText(HexCaption(zolvik::StrToInt(edtResTime->text().toStdString())));
        lblHex->adjustSize();
    });
}
