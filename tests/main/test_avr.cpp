#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include "tests/support/tab_order.h"
#include "tools/timer_catalog.h"
#include "tests/support/window_fixture.h"

using zolvik_test::NextTabStop;
using zolvik_test::WindowTest;

namespace {

class AvrTest : public WindowTest {
protected:
    QString Text(const char *name) const { return Find<QLineEdit>(name)->text(); }

    QList<QRadioButton *> Items() const
    {
        return Find<QGroupBox>("rdgCont")->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    }

    // Types the inputs, picks the counter and presses "Calculate >>".
    void Calculate(const QString &clock, const QString &period, int counterBits)
    {
        Find<QLineEdit>("edtF_CPU")->setText(clock);
        Find<QLineEdit>("edtMS")->setText(period);
        QTest::mouseClick(Items()[counterBits == 16 ? 1 : 0], Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>("btnCalcTimer"), Qt::LeftButton);
    }

    void ExpectOutputs(const char *prescaler, const char *count, const char *setting) const
    {
        EXPECT_EQ(Text("edtPrescaler"), prescaler);
        EXPECT_EQ(Text("edtComp"), count);
        EXPECT_EQ(Text("edtRegPrescaler"), setting);
    }
};

TEST_F(AvrTest, PageHoldsItsControls)
{
    Open();
    QWidget *page = Find<QWidget>("TabSheet10");
    EXPECT_EQ(Text("edtF_CPU"), "8000000");
    EXPECT_EQ(Text("edtMS"), "1");
    for (const char *name : {"edtF_CPU", "edtMS", "edtPrescaler", "edtComp", "edtRegPrescaler"}) {
        QLineEdit *field = Find<QLineEdit>(name);
        EXPECT_EQ(field->parentWidget(), page) << name;
        EXPECT_EQ(field->alignment(), Qt::AlignCenter) << name;
        EXPECT_TRUE(field->font().bold()) << name;
    }
    EXPECT_FALSE(Find<QLineEdit>("edtF_CPU")->isReadOnly());
    EXPECT_FALSE(Find<QLineEdit>("edtMS")->isReadOnly());
    for (const char *name : {"edtPrescaler", "edtComp", "edtRegPrescaler"}) {
        EXPECT_TRUE(Find<QLineEdit>(name)->isReadOnly()) << name;
        EXPECT_EQ(Text(name), "") << name;
    }
    EXPECT_EQ(Find<QGroupBox>("rdgCont")->title(), "  Counrter  ");
    ASSERT_EQ(Items().size(), 2);
    EXPECT_EQ(Items()[0]->text(), "8 bits");
    EXPECT_EQ(Items()[1]->text(), "16 bits");
    EXPECT_TRUE(Items()[0]->isChecked());
    EXPECT_EQ(Find<QPushButton>("btnCalcTimer")->text(), "Calculate >>");

    QStringList captions;
    for (QLabel *label : page->findChildren<QLabel *>())
        captions << label->text();
    for (const char *caption : {"Calculating the Prescaler Value for SYSTIME", "F_CPU",
                                "Time em ms", "Value Prescaler", "Counter", "SYSTIME_PRESCALER"})
        EXPECT_TRUE(captions.contains(caption)) << caption;
    EXPECT_TRUE(Find<QLabel>("lblAvrHeading")->font().bold());
}

TEST_F(AvrTest, KeyboardOrder)
{
    TfrmMain &frm = Open();
    EXPECT_EQ(NextTabStop(frm.edtF_CPU), frm.edtMS);
    EXPECT_EQ(NextTabStop(frm.edtMS), Items()[0]);
    EXPECT_EQ(NextTabStop(Items()[1]), frm.btnCalcTimer);
    EXPECT_EQ(NextTabStop(frm.btnCalcTimer), frm.edtPrescaler);
    EXPECT_EQ(NextTabStop(frm.edtPrescaler), frm.edtComp);
    EXPECT_EQ(NextTabStop(frm.edtComp), frm.edtRegPrescaler);
}

TEST_F(AvrTest, DefaultsOnEightAndSixteenBits)
{
    Open();
    QTest::mouseClick(Find<QPushButton>("btnCalcTimer"), Qt::LeftButton);
    ExpectOutputs("32", "250", "6");
    Calculate("8000000", "1", 16);
    ExpectOutputs("1", "8000", "1");
}

TEST_F(AvrTest, PrescalerTable)
{
    Open();
    Calculate("16000000", "1", 8);
    ExpectOutputs("64", "250", "7");
    Calculate("12000000", "1", 8);
    ExpectOutputs("64", "187", "7");
    Calculate("6000000", "1", 8);
    ExpectOutputs("32", "187", "6");
    Calculate("256000", "1", 8);
    ExpectOutputs("1", "256", "1");
    Calculate("8000000", "100", 16);
    ExpectOutputs("16", "50000", "5");
}

TEST_F(AvrTest, InputsAreRewrittenInPlainDecimal)
{
    Open();
    Calculate("abc", "", 8);
    EXPECT_EQ(Text("edtF_CPU"), "8000000");
    EXPECT_EQ(Text("edtMS"), "1");
    ExpectOutputs("32", "250", "6");

    Calculate("$7A1200", "0x64", 16);
    EXPECT_EQ(Text("edtF_CPU"), "8000000");
    EXPECT_EQ(Text("edtMS"), "100");
    ExpectOutputs("16", "50000", "5");

    Calculate(" 16000000", "1", 8);
    EXPECT_EQ(Text("edtF_CPU"), "16000000");
    ExpectOutputs("64", "250", "7");

    Calculate("16000000 ", "+1", 8);
    EXPECT_EQ(Text("edtF_CPU"), "8000000");
    EXPECT_EQ(Text("edtMS"), "1");
    ExpectOutputs("32", "250", "6");
}

TEST_F(AvrTest, ZeroAndNegativeInputs)
{
    Open();
    Calculate("0", "1", 8);
    ExpectOutputs("1", "0", "1");
    Calculate("-8000000", "1", 8);
    ExpectOutputs("1", "-8000", "1");
}

TEST_F(AvrTest, CountsBeyondThirtyOneBits)
{
    Open();
    Calculate("2147483647", "1001", 16);
    ExpectOutputs("65536", "32801", "17");
    Calculate("2147483647", "2147483647", 8);
    ExpectOutputs("35184372088832", "131", "46");
}

TEST_F(AvrTest, NothingIsLoggedOrSaved)
{
    Open();
    Calculate("12000000", "5", 16);
    EXPECT_TRUE(Find<QTextEdit>("memoLog")->document()->isEmpty());
    Close();
    const QByteArray ini = ReadSettings();
    EXPECT_FALSE(ini.contains("12000000"));
    Open();
    EXPECT_EQ(Text("edtF_CPU"), "8000000");
    EXPECT_TRUE(Items()[0]->isChecked());
}

// The table lists, under its heading row, what the timer catalogue gives for the page's clock
// and period; the custom timer is read from its fields, which only it enables.
TEST_F(AvrTest, TimerTableListsTheCataloguePairs)
{
    Open();
    const struct {
        int choice;
        const char *prescalers;
        int bits;
        zolvik::TimerSpec timer;
    } cases[] = {
        {0, "", 16, zolvik::AvrTimer0()},
        {3, "", 16, zolvik::GeneralTimer16()},
        {4, " 3, 1,3", 4, zolvik::CustomTimer({1, 3}, 4)},
    };
    for (const auto &c : cases) {
        Find<QLineEdit>("edtF_CPU")->setText("1000");
        Find<QLineEdit>("edtMS")->setText("15");
        Find<QComboBox>("cbbTimer")->setCurrentIndex(c.choice);
        EXPECT_EQ(Find<QLineEdit>("edtTimerPrescalers")->isEnabled(), c.choice == 4);
        EXPECT_EQ(Find<QSpinBox>("spiTimerBits")->isEnabled(), c.choice == 4);
        if (c.choice == 4) {
            Find<QLineEdit>("edtTimerPrescalers")->setText(c.prescalers);
            Find<QSpinBox>("spiTimerBits")->setValue(c.bits);
        }
        QTest::mouseClick(Find<QPushButton>("btnTimerPairs"), Qt::LeftButton);

        const auto pairs = zolvik::TimerPairs(c.timer, 1000, {15, 1000});
        auto *table = Find<QTableWidget>("grdTimerPairs");
        ASSERT_EQ(table->rowCount(), int(pairs.size()) + 1) << c.choice;
        EXPECT_EQ(table->item(0, 3)->text(), "Error (ppm)");
        for (int row = 0; row < int(pairs.size()); ++row) {
            const auto texts = zolvik::TimerPairFields(pairs[row]);
            const std::string expected[] = {texts.prescaler, texts.count, texts.period,
                                            texts.errorPpm, texts.registers};
            for (int column = 0; column < 5; ++column)
                EXPECT_EQ(table->item(row + 1, column)->text().toStdString(), expected[column]);
        }
    }

    const int rowsBefore = Find<QTableWidget>("grdTimerPairs")->rowCount();
    auto box = CaptureNextMessageBox();
    Find<QLineEdit>("edtTimerPrescalers")->setText("8,x");
    QTest::mouseClick(Find<QPushButton>("btnTimerPairs"), Qt::LeftButton);
    EXPECT_TRUE(box->seen);
    EXPECT_EQ(Find<QTableWidget>("grdTimerPairs")->rowCount(), rowsBefore);
    EXPECT_EQ(Text("edtPrescaler"), "");
}

}  // namespace
