#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>

#include "tests/support/window_fixture.h"

namespace {

const char *const kBoxNames[] = {"cbxDomingo", "cbxSegunda", "cbxTerca",  "cbxQuarta",
                                 "cbxQuinta",  "cbxSexta",   "cbxSabado", "cbxEn"};
const char *const kBoxCaptions[] = {"Sunday",   "Monday", "Tuesday",  "Wednesday",
                                    "Thursday", "Friday", "Saturday", "Enable"};

class WorkTempPageTest : public zolvik_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        TfrmMain &frm = Open();
        frm.PageControl->setCurrentWidget(frm.TabSheet8);
        frm.show();
        start = Find<QLineEdit>("edtH");
        duration = Find<QLineEdit>("edtD");
        decimal = Find<QLineEdit>("edtResTime");
        hex = Find<QLabel>("lblHex");
        encode = Find<QPushButton>("btConv1");
        decode = Find<QPushButton>("btConv2");
        startTime = Find<QTimeEdit>("dtpInit");
        durationTime = Find<QTimeEdit>("dtpDuration");
        endTime = Find<QTimeEdit>("dtpAll");
        for (int bit = 0; bit < 8; ++bit)
            boxes[bit] = Find<QCheckBox>(kBoxNames[bit]);
    }

    void SetBoxes(bool checked)
    {
        for (QCheckBox *box : boxes)
            box->setChecked(checked);
    }

    void Encode(const QString &startText, const QString &durationText, bool allBoxes)
    {
        start->setText(startText);
        duration->setText(durationText);
        SetBoxes(allBoxes);
        QTest::mouseClick(encode, Qt::LeftButton);
    }

    void Decode(const QString &word)
    {
        decimal->setText(word);
        QTest::mouseClick(decode, Qt::LeftButton);
    }

    QString Times() const
    {
        return startTime->time().toString("HH:mm:ss") + " " +
               durationTime->time().toString("HH:mm:ss") + " " +
               endTime->time().toString("HH:mm:ss");
    }

    QString CheckedBoxes() const
    {
        QString bits;
        for (QCheckBox *box : boxes)
            bits += box->isChecked() ? '1' : '0';
        return bits;
    }

    QLineEdit *start = nullptr;
    QLineEdit *duration = nullptr;
    QLineEdit *decimal = nullptr;
    QLabel *hex = nullptr;
    QPushButton *encode = nullptr;
    QPushButton *decode = nullptr;
    QTimeEdit *startTime = nullptr;
    QTimeEdit *durationTime = nullptr;
    QTimeEdit *endTime = nullptr;
    QCheckBox *boxes[8] = {};
};

}  // namespace

TEST_F(WorkTempPageTest, StartUpContents)
{
    EXPECT_EQ(start->text(), "360");
    EXPECT_EQ(duration->text(), "240");
    EXPECT_EQ(decimal->text(), "0");
    EXPECT_EQ(hex->text(), "0x0");
    EXPECT_EQ(encode->text(), "Convert >>");
    EXPECT_EQ(decode->text(), "<< Convert");
    EXPECT_GT(decode->y(), encode->y());
    for (int bit = 0; bit < 8; ++bit) {
        EXPECT_EQ(boxes[bit]->text(), kBoxCaptions[bit]);
        EXPECT_TRUE(boxes[bit]->isChecked()) << kBoxNames[bit];
    }
    // The days one under the other, Sunday first; Enable under the start field.
    for (int bit = 1; bit < 7; ++bit)
        EXPECT_GT(boxes[bit]->y(), boxes[bit - 1]->y());
    EXPECT_GT(boxes[7]->y(), start->y());
    EXPECT_EQ(Times(), "09:45:10 09:45:10 09:45:10");
    EXPECT_EQ(startTime->displayFormat(), "HH:mm:ss");

    EXPECT_EQ(Find<QLabel>("LabelStartTime")->text(), "Start Time");
    EXPECT_EQ(Find<QLabel>("LabelDuration")->text(), "Duration");
    EXPECT_EQ(Find<QLabel>("LabelDayOfWeek")->text(), "Day of the week");
    EXPECT_EQ(Find<QLabel>("LabelDecimalValue")->text(), "Decimal Value");
    EXPECT_EQ(Find<QLabel>("LabelInitTime")->text(), "Start Time");
    EXPECT_EQ(Find<QLabel>("LabelDurationTime")->text(), "Duration");
    EXPECT_EQ(Find<QLabel>("LabelEndTime")->text(), "End Time");
    EXPECT_LT(startTime->x(), durationTime->x());
    EXPECT_LT(durationTime->x(), endTime->x());
}

TEST_F(WorkTempPageTest, ReferenceTableOfHours)
{
    const QStringList captions = {
        "0 hora = 0 minutos",      "1 hora = 60 minutos",     "2 horas = 120 minutos",
        "3 horas = 180 minutos",   "4 horas = 240 minutos",   "5 horas = 300 minutos",
        "6 horas = 360 minutos",   "7 horas = 420 minutos",   "8 horas = 480 minutos",
        "9 horas = 540 minutos",   "10 horas = 600 minutos",  "11 horas = 660 minutos",
        "12 horas = 720 minutos",  "13 horas = 780 minutos",  "14 horas = 840 minutos",
        "15 horas = 900 minutos",  "16 horas = 960 minutos",  "17 horas = 1020 minutos",
        "18 horas = 1080 minutos", "19 horas = 1140 minutos", "20 horas = 1200 minutos",
        "21 horas = 1260 minutos", "22 horas = 1320 minutos", "23 horas = 1380 minutos"};
    QLabel *labels[24];
    for (int hour = 0; hour < 24; ++hour) {
        labels[hour] = Find<QLabel>(qPrintable(QString("LabelHour%1").arg(hour)));
        EXPECT_EQ(labels[hour]->text(), captions[hour]);
        EXPECT_TRUE(QFontInfo(labels[hour]->font()).bold());
        EXPECT_EQ(labels[hour]->font().pixelSize(), 16);
        EXPECT_EQ(labels[hour]->parentWidget(), window->TabSheet8);
    }
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(labels[row]->x(), labels[0]->x());
        EXPECT_EQ(labels[row + 12]->x(), labels[12]->x());
        EXPECT_EQ(labels[row + 12]->y(), labels[row]->y());
        if (row > 0) {
            EXPECT_GT(labels[row]->y(), labels[row - 1]->y());
        }
    }
    EXPECT_GT(labels[12]->x(), labels[0]->geometry().right());
}

TEST_F(WorkTempPageTest, StartUpValuesEncodeAndDecode)
{
    QTest::mouseClick(encode, Qt::LeftButton);
    EXPECT_EQ(decimal->text(), "251750655");
    EXPECT_EQ(hex->text(), "0x0F0168FF");
    EXPECT_EQ(Times(), "06:00:00 04:00:00 10:00:00");

    start->setText("1");
    duration->setText("2");
    SetBoxes(false);
    QTest::mouseClick(decode, Qt::LeftButton);
    EXPECT_EQ(start->text(), "360");
    EXPECT_EQ(duration->text(), "240");
    EXPECT_EQ(CheckedBoxes(), "11111111");
    EXPECT_EQ(hex->text(), "0x0F0168FF");
    EXPECT_EQ(Times(), "06:00:00 04:00:00 10:00:00");

    Encode("1", "2", false);
    Decode("0x0F0168FF");
    EXPECT_EQ(start->text(), "360");
    EXPECT_EQ(duration->text(), "240");
    EXPECT_EQ(CheckedBoxes(), "11111111");
    EXPECT_EQ(hex->text(), "0x0F0168FF");
    EXPECT_EQ(decimal->text(), "0x0F0168FF");  // the typed text stays as typed
}

TEST_F(WorkTempPageTest, CountsBeyondTheDayShowMidnight)
{
    Encode("1380", "120", true);
    EXPECT_EQ(Times(), "23:00:00 02:00:00 00:00:00");

    Encode("1500", "240", true);
    EXPECT_EQ(decimal->text(), "252042495");  // (240 << 20) | (1500 << 8) | 255
    EXPECT_EQ(hex->text(), "0x0F05DCFF");
    EXPECT_EQ(Times(), "00:00:00 04:00:00 00:00:00");
}

TEST_F(WorkTempPageTest, LongDurationsGiveNegativeDecimals)
{
    Encode("0", "4095", false);
    EXPECT_EQ(decimal->text(), "-1048576");
    EXPECT_EQ(hex->text(), "0xFFF00000");
    EXPECT_EQ(Times(), "00:00:00 00:00:00 00:00:00");

    Encode("5", "6", true);
    Decode("-1048576");
    EXPECT_EQ(duration->text(), "4095");
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(CheckedBoxes(), "00000000");

    Encode("0", "2048", false);
    EXPECT_EQ(decimal->text(), "-2147483648");
    EXPECT_EQ(hex->text(), "0x80000000");
}

TEST_F(WorkTempPageTest, UnmaskedInputsSpillAndWrap)
{
    Encode("4096", "240", true);
    EXPECT_EQ(decimal->text(), "252707071");
    EXPECT_EQ(hex->text(), "0x0F1000FF");
    Decode(decimal->text());
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(duration->text(), "241");
    EXPECT_EQ(CheckedBoxes(), "11111111");
    EXPECT_EQ(Times(), "00:00:00 04:01:00 04:01:00");

    Encode("0", "4096", false);
    EXPECT_EQ(decimal->text(), "0");
    EXPECT_EQ(hex->text(), "0x00000000");
}

TEST_F(WorkTempPageTest, UnreadableMinutesCountAsZero)
{
    Encode("abc", "", false);
    EXPECT_EQ(decimal->text(), "0");
    EXPECT_EQ(hex->text(), "0x00000000");
    EXPECT_EQ(Times(), "00:00:00 00:00:00 00:00:00");
    EXPECT_EQ(start->text(), "abc");  // inputs are not rewritten

    Encode("$10", "x1", false);  // start 16, duration 1
    EXPECT_EQ(decimal->text(), "1052672");
    EXPECT_EQ(Times(), "00:16:00 00:01:00 00:17:00");
}

TEST_F(WorkTempPageTest, NegativeStartStopsAtTheFirstPicker)
{
    auto box = CaptureNextMessageBox();
    Encode("-1", "0", false);
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
    EXPECT_EQ(box->text, "Invalid argument to time encode.");
    EXPECT_EQ(decimal->text(), "-256");
    EXPECT_EQ(hex->text(), "0xFFFFFF00");
    EXPECT_EQ(Times(), "09:45:10 09:45:10 09:45:10");
}

TEST_F(WorkTempPageTest, NegativeDurationStopsAtTheSecondPicker)
{
    auto box = CaptureNextMessageBox();
    Encode("0", "-30", false);
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->text, "Invalid argument to time encode.");
    EXPECT_EQ(decimal->text(), "-31457280");  // 0xFE200000
    EXPECT_EQ(hex->text(), "0xFE200000");
    EXPECT_EQ(Times(), "00:00:00 09:45:10 09:45:10");

    // Start and duration that can be shown, with a sum that cannot.
    auto sum = CaptureNextMessageBox();
    Encode("30", "-60", false);
    ASSERT_TRUE(sum->seen);
    EXPECT_EQ(sum->text, "Invalid argument to time encode.");
    EXPECT_EQ(Times(), "00:30:00 00:00:00 09:45:10");
}

TEST_F(WorkTempPageTest, UnreadableWordClearsTheFieldsThenFails)
{
    Encode("360", "240", true);
    ASSERT_EQ(hex->text(), "0x0F0168FF");

    auto box = CaptureNextMessageBox();
    Decode("2147483648");
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->text, "'2147483648' is not a valid integer value.");
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(duration->text(), "0");
    EXPECT_EQ(CheckedBoxes(), "00000000");
    EXPECT_EQ(Times(), "00:00:00 00:00:00 00:00:00");
    EXPECT_EQ(hex->text(), "0x0F0168FF");

    auto junk = CaptureNextMessageBox();
    Decode("abc");
    ASSERT_TRUE(junk->seen);
    EXPECT_EQ(junk->text, "'abc' is not a valid integer value.");

    Decode("-2147483648");
    EXPECT_EQ(duration->text(), "2048");
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(hex->text(), "0x80000000");
    Decode("1");
    Decode("0x80000000");
    EXPECT_EQ(duration->text(), "2048");
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(CheckedBoxes(), "00000000");
    EXPECT_EQ(hex->text(), "0x80000000");
}
