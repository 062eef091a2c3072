#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

#include "tests/support/tab_order.h"
#include "tests/support/window_fixture.h"

namespace {

class ModPageTest : public zolvik_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        TfrmMain &frm = Open();
        frm.PageControl->setCurrentWidget(frm.TabSheet9);
        frm.show();
        start = Find<QLineEdit>("edtModInit");
        end = Find<QLineEdit>("edtModFim");
        modulus = Find<QLineEdit>("edtMod");
        calculate = Find<QPushButton>("btnMod");
        view = Find<QPlainTextEdit>("memMOD");
        clean = Find<QPushButton>("Button3");
    }

    void Calculate(const QString &first, const QString &last, const QString &mod)
    {
        start->setText(first);
        end->setText(last);
        modulus->setText(mod);
        QTest::mouseClick(calculate, Qt::LeftButton);
    }

    QLineEdit *start = nullptr;
    QLineEdit *end = nullptr;
    QLineEdit *modulus = nullptr;
    QPushButton *calculate = nullptr;
    QPlainTextEdit *view = nullptr;
    QPushButton *clean = nullptr;
};

const char *const kZeroToTwentyModTen =
    "   0 mod 10 = 0\n   1 mod 10 = 1\n   2 mod 10 = 2\n   3 mod 10 = 3\n   4 mod 10 = 4\n"
    "   5 mod 10 = 5\n   6 mod 10 = 6\n   7 mod 10 = 7\n   8 mod 10 = 8\n   9 mod 10 = 9\n"
    "  10 mod 10 = 0\n  11 mod 10 = 1\n  12 mod 10 = 2\n  13 mod 10 = 3\n  14 mod 10 = 4\n"
    "  15 mod 10 = 5\n  16 mod 10 = 6\n  17 mod 10 = 7\n  18 mod 10 = 8\n  19 mod 10 = 9\n"
    "  20 mod 10 = 0";

}  // namespace

TEST_F(ModPageTest, ControlsCaptionsAndKeyboardOrder)
{
    EXPECT_EQ(Find<QLabel>("LabelModInit")->text(), "Start");
    EXPECT_EQ(Find<QLabel>("LabelModFim")->text(), "Fim");
    EXPECT_EQ(Find<QLabel>("LabelMod")->text(), "MOD");
    EXPECT_EQ(calculate->text(), "Calculate");
    EXPECT_EQ(clean->text(), "Clean");
    for (QLineEdit *edit : {start, end, modulus})
        EXPECT_EQ(edit->alignment(), Qt::AlignCenter) << edit->objectName().toStdString();
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->font().pixelSize(), 16);
    EXPECT_TRUE(QFontInfo(view->font()).fixedPitch());
    EXPECT_TRUE(view->toPlainText().isEmpty());
    // Left to right along the top, the view under them, "Clean" under the view.
    EXPECT_LT(start->x(), end->x());
    EXPECT_LT(end->x(), modulus->x());
    EXPECT_LT(modulus->x(), calculate->x());
    EXPECT_GT(view->y(), calculate->geometry().bottom());
    EXPECT_GT(clean->y(), view->geometry().bottom());

    QWidget *expected[] = {start, end, modulus, calculate, view, clean};
    // The view's viewport and scroll bars take no focus; the view itself is next.
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i)
        EXPECT_EQ(zolvik_test::NextTabStop(expected[i]), expected[i + 1]) << i;
}

TEST_F(ModPageTest, FirstStartListsZeroToTwentyModTen)
{
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(end->text(), "20");
    EXPECT_EQ(modulus->text(), "10");
    QTest::mouseClick(calculate, Qt::LeftButton);
    EXPECT_EQ(view->toPlainText(), kZeroToTwentyModTen);
    EXPECT_EQ(view->blockCount(), 21);
    // The fields are not rewritten.
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(end->text(), "20");
    EXPECT_EQ(modulus->text(), "10");
}

TEST_F(ModPageTest, LinesAccumulateUntilCleaned)
{
    QTest::mouseClick(calculate, Qt::LeftButton);
    QTest::mouseClick(calculate, Qt::LeftButton);
    EXPECT_EQ(view->toPlainText(), QString(kZeroToTwentyModTen) + "\n" + kZeroToTwentyModTen);
    EXPECT_EQ(view->blockCount(), 42);

    QTest::mouseClick(clean, Qt::LeftButton);
    EXPECT_TRUE(view->toPlainText().isEmpty());

    Calculate("-3", "3", "2");
    EXPECT_EQ(view->toPlainText(),
              "  -3 mod 2 = -1\n  -2 mod 2 = 0\n  -1 mod 2 = -1\n   0 mod 2 = 0\n"
              "   1 mod 2 = 1\n   2 mod 2 = 0\n   3 mod 2 = 1");
    QTest::mouseDClick(view->viewport(), Qt::LeftButton);
    EXPECT_TRUE(view->toPlainText().isEmpty());
}

TEST_F(ModPageTest, SingleLinesWideValuesAndNegativeModulus)
{
    Calculate("12345", "12345", "100");
    EXPECT_EQ(view->toPlainText(), "12345 mod 100 = 45");
    Calculate("10", "10", "-4");
    EXPECT_EQ(view->toPlainText(), "12345 mod 100 = 45\n  10 mod -4 = 2");
    Calculate("-7", "-7", "3");
    Calculate("7", "7", "-3");
    EXPECT_EQ(view->toPlainText(),
              "12345 mod 100 = 45\n  10 mod -4 = 2\n  -7 mod 3 = -1\n   7 mod -3 = 1");
}

TEST_F(ModPageTest, UnreadableFieldsTakeTheirDefaults)
{
    Calculate("abc", "2", "x");  // start 0, modulus 10
    EXPECT_EQ(view->toPlainText(), "   0 mod 10 = 0\n   1 mod 10 = 1\n   2 mod 10 = 2");
    QTest::mouseClick(clean, Qt::LeftButton);
    Calculate("$10", "", "3");  // start 16, end 20
    EXPECT_EQ(view->toPlainText(),
              "  16 mod 3 = 1\n  17 mod 3 = 2\n  18 mod 3 = 0\n  19 mod 3 = 1\n  20 mod 3 = 2");
    EXPECT_EQ(start->text(), "$10");
    EXPECT_EQ(end->text(), "");
}

TEST_F(ModPageTest, EndBeforeStartAppendsNothingAndSaysNothing)
{
    Calculate("5", "5", "3");
    Calculate("6", "5", "0");
    EXPECT_TRUE(prompts.Asked().isEmpty());
    EXPECT_EQ(view->toPlainText(), "   5 mod 3 = 2");
}

TEST_F(ModPageTest, ModulusZeroShowsTheDivisionErrorAndAppendsNothing)
{
    Calculate("1", "2", "4");
    auto box = CaptureNextMessageBox();
    Calculate("0", "20", "0");
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
    EXPECT_EQ(box->text, "Division by zero.");
    EXPECT_EQ(view->toPlainText(), "   1 mod 4 = 1\n   2 mod 4 = 2");
}

TEST_F(ModPageTest, RangeOfMoreThanAMillionLinesIsRefused)
{
    Calculate("1", "1", "4");
    auto box = CaptureNextMessageBox();
    Calculate("-1000000", "0", "7");
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(box->text,
              "The range asks for 1000001 lines; at most 1000000 lines can be listed at once.");
    EXPECT_EQ(view->toPlainText(), "   1 mod 4 = 1");

    auto whole = CaptureNextMessageBox();
    Calculate("-2147483648", "2147483647", "7");
    ASSERT_TRUE(whole->seen);
    EXPECT_EQ(whole->text,
              "The range asks for 4294967296 lines; at most 1000000 lines can be listed at once.");
    EXPECT_EQ(view->blockCount(), 1);
}

TEST_F(ModPageTest, HundredThousandLinesGoInAfterTheExistingOnes)
{
    Calculate("1", "1", "4");
    Calculate("0", "99999", "1000");
    EXPECT_EQ(view->blockCount(), 100001);
    const QTextDocument *document = view->document();
    EXPECT_EQ(document->findBlockByNumber(0).text(), "   1 mod 4 = 1");
    EXPECT_EQ(document->findBlockByNumber(1).text(), "   0 mod 1000 = 0");
    EXPECT_EQ(document->findBlockByNumber(1235).text(), "1234 mod 1000 = 234");
    EXPECT_EQ(document->findBlockByNumber(100000).text(), "99999 mod 1000 = 999");
}
