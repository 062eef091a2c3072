// "WorkTemp": one weekly working slot (start, duration, days, enable) packed into a 32-bit
// schedule word and unpacked again.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "main/main.h"
#include "main/named_control.h"
#include "tools/schedule_word.h"

namespace {

// The time the pickers hold until the first conversion.
const QTime kDesignTime(9, 45, 10);

QLabel *MakeLabel(const QString &caption, const QString &name, int left, int top, QWidget *page)
{
    auto *label = new QLabel(caption, page);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QCheckBox *MakeCheckBox(const QString &caption, const char *name, int left, int top, QWidget *page)
{
    auto *box = new QCheckBox(caption, page);
    box->setObjectName(name);
    box->setGeometry(left, top, 97, 17);
    box->setChecked(true);
    return box;
}

QTimeEdit *MakeTimePicker(const char *name, int left, int top, QWidget *page)
{
    auto *picker = new QTimeEdit(kDesignTime, page);
    picker->setObjectName(name);
    picker->setDisplayFormat("HH:mm:ss");
    picker->setGeometry(left, top, 97, 21);
    return picker;
}

QString HourCaption(int hour)
{
    return QString("%1 %2 = %3 minutos").arg(hour).arg(hour <= 1 ? "hora" : "horas").arg(60 * hour);
}

QString HexCaption(std::int32_t word) { return QString::fromStdString(zolvik::ScheduleHexText(word)); }

std::int32_t LenientValue(const QLineEdit *edit)
{
    return zolvik::StrToIntDef(edit->text().toStdString(), 0);
}

}  // namespace

void TfrmMain::CreateWorkTempPage(QWidget *page)
{
    LabelStartTime = MakeLabel("Start Time", "LabelStartTime", 16, 12, page);
    edtH = CreateNamed<QLineEdit>(page, "edtH", QRect(16, 28, 81, 21), "360");
    LabelDuration = MakeLabel("Duration", "LabelDuration", 112, 12, page);
    edtD = CreateNamed<QLineEdit>(page, "edtD", QRect(112, 28, 81, 21), "240");
    cbxEn = MakeCheckBox("Enable", "cbxEn", 16, 56, page);

    LabelDayOfWeek = MakeLabel("Day of the week", "LabelDayOfWeek", 16, 84, page);
    const struct {
        QCheckBox *TfrmMain::*member;
        const char *name;
        const char *caption;
    } days[] = {
        {&TfrmMain::cbxDomingo, "cbxDomingo", "Sunday"},
        {&TfrmMain::cbxSegunda, "cbxSegunda", "Monday"},
        {&TfrmMain::cbxTerca, "cbxTerca", "Tuesday"},
        {&TfrmMain::cbxQuarta, "cbxQuarta", "Wednesday"},
        {&TfrmMain::cbxQuinta, "cbxQuinta", "Thursday"},
        {&TfrmMain::cbxSexta, "cbxSexta", "Friday"},
        {&TfrmMain::cbxSabado, "cbxSabado", "Saturday"},
    };
    int top = 102;
    for (const auto &day : days) {
        this->*day.member = MakeCheckBox(day.caption, day.name, 16, top, page);
        top += 20;
    }

    btConv1 = new QPushButton("Convert >>", page);
    btConv1->setObjectName("btConv1");
    btConv1->setGeometry(216, 26, 97, 25);
    connect(btConv1, &QPushButton::clicked, this, [this] { btConv1Click(btConv1); });
    btConv2 = new QPushButton("<< Convert", page);
    btConv2->setObjectName("btConv2");
    btConv2->setGeometry(216, 58, 97, 25);
    connect(btConv2, &QPushButton::clicked, this, [this] { btConv2Click(btConv2); });

    LabelDecimalValue = MakeLabel("Decimal Value", "LabelDecimalValue", 328, 12, page);
    edtResTime = CreateNamed<QLineEdit>(page, "edtResTime", QRect(328, 28, 121, 21), "0");
    lblHex = MakeLabel("0x0", "lblHex", 460, 31, page);

    LabelInitTime = MakeLabel("Start Time", "LabelInitTime", 328, 84, page);
    dtpInit = MakeTimePicker("dtpInit", 328, 100, page);
    LabelDurationTime = MakeLabel("Duration", "LabelDurationTime", 432, 84, page);
    dtpDuration = MakeTimePicker("dtpDuration", 432, 100, page);
    LabelEndTime = MakeLabel("End Time", "LabelEndTime", 536, 84, page);
    dtpAll = MakeTimePicker("dtpAll", 536, 100, page);

    // Reference table: whole hours in minutes, 0..11 on the left, 12..23 on the right.
    QFont tableFont("Tahoma");
    tableFont.setPixelSize(16);
    tableFont.setBold(true);
    for (int hour = 0; hour < 24; ++hour) {
        const int left = hour < 12 ? 24 : 304;
        const int row = hour % 12;
        QLabel *label = new QLabel(HourCaption(hour), page);
        label->setObjectName(QString("LabelHour%1").arg(hour));
        label->setFont(tableFont);
        label->move(left, 280 + 25 * row);
        label->adjustSize();
        LabelHours[hour] = label;
    }
}

QCheckBox *TfrmMain::WorkTempFlagBox(int bit) const
{
    QCheckBox *const boxes[] = {cbxDomingo, cbxSegunda, cbxTerca, cbxQuarta,
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
