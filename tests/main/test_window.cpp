#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "tests/support/window_fixture.h"
#include "common/errors.h"

namespace {

const char *const kPageCaptions[] = {"Calculate Steinhart-Hart",
                                     "Files - Converters and Creators",
                                     "Links",
                                     "Cursors",
                                     "Fonts",
                                     "WorkTemp",
                                     "MOD",
                                     "AVR",
                                     "LCD CGRAM",
                                     "Report",
                                     "TabSheet3"};

QStringList SectionsIn(const QByteArray &ini)
{
    QStringList sections;
    for (const QByteArray &line : ini.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            sections << QString::fromLatin1(trimmed.mid(1, trimmed.indexOf(']') - 1));
    }
    return sections;
}

class WindowTest : public zolvik_test::WindowTest {
protected:
    void ExpectChecked(const QStringList &on, const QStringList &off) const
    {
        for (const QString &name : on + off)
            EXPECT_EQ(Find<QRadioButton>(name.toLatin1().constData())->isChecked(),
                      on.contains(name))
                << name.toStdString();
    }
};

}  // namespace

TEST_F(WindowTest, FirstStartShowsPageZeroWithKeyTableDefaults)
{
    TfrmMain &frm = Open();
    EXPECT_EQ(frm.windowTitle(), "Zolvik Tools");
    EXPECT_EQ(frm.size(), QSize(917, 791));
    auto *pages = Find<QTabWidget>("PageControl");
    ASSERT_EQ(pages->count(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(pages->tabText(i), kPageCaptions[i]);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(Find<QPushButton>("Button2")->text(), "Exit");

    const char *const texts[][2] = {{"edtModInit", "0"},
                                    {"edtModFim", "20"},
                                    {"edtMod", "10"},
                                    {"edtCol", "8"},
                                    {"edtTab", "1"}};
    for (auto [name, text] : texts)
        EXPECT_EQ(Find<QLineEdit>(name)->text(), text) << name;
    for (const char *name : {"edtT1", "edtT2", "edtT3", "edtR1", "edtR2", "edtR3", "edtDestName",
                             "edtDestDir", "edtOrgDir"})
        EXPECT_EQ(Find<QLineEdit>(name)->text(), "") << name;
    ExpectChecked({"rgByte", "rgC"}, {"rgWord", "rgDword", "rgVHDL"});
    EXPECT_TRUE(Find<QTextEdit>("memoLog")->document()->isEmpty());

    Close();
    const QByteArray ini = ReadSettings();
    EXPECT_EQ(SectionsIn(ini), (QStringList{"APP", "WINDOWS", "EDT", "EDIT", "RG", "TABLE"}));
    for (const char *key : {"PC=0", "MOD_FIM=20", "BYTE=1", "VHDL=0"})
        EXPECT_TRUE(ini.contains(key)) << key;
}

TEST_F(WindowTest, SecondStartReadsHandEditedFile)
{
    const QByteArray longValue(3000, 'v');
    WriteSettings("; kept by hand\r\n[Foreign]\r\n; a comment\r\nkey=value\r\n\r\n"
                  "[APP]\r\nPC=$3\r\n[RG]\r\nBYTE=1\r\nWORD=1\r\nVHDL=1\r\nC=0\r\n"
                  "[EDIT]\r\nEDT_T1=  -20  \r\nEDT_R1=" +
                  longValue + "\r\n");
    Open();
    EXPECT_EQ(Find<QTabWidget>("PageControl")->currentIndex(), 3);
    ExpectChecked({"rgWord", "rgVHDL"}, {"rgByte", "rgC"});
    EXPECT_EQ(Find<QLineEdit>("edtT1")->text(), "-20");
    EXPECT_EQ(Find<QLineEdit>("edtR1")->text().size(), 2047);

    Close();
    const QByteArray ini = ReadSettings();
    EXPECT_TRUE(ini.startsWith("; kept by hand"));
    for (const char *kept : {"[Foreign]\r\n; a comment\r\nkey=value", "PC=3", "WORD=1", "BYTE=0"})
        EXPECT_TRUE(ini.contains(kept)) << kept;
}

TEST_F(WindowTest, SettingsOutOfRangeFallBackPerKey)
{
    const struct {
        QByteArray ini;
        QStringList on, off;
    } cases[] = {
        {"[RG]\nBYTE=0\nWORD=0\nDWORD=0\n", {}, {"rgByte", "rgWord", "rgDword"}},
        {"[APP]\nPC=11\n", {"rgByte"}, {}},  // a page outside the control
        {"[APP]\nPC=abc\n", {"rgByte"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ini.toStdString());
        WriteSettings(c.ini);
        Open();
        EXPECT_EQ(Find<QTabWidget>("PageControl")->currentIndex(), 0);
        ExpectChecked(c.on, c.off);
        Close();
        EXPECT_TRUE(ReadSettings().contains("PC=0"));
    }
}

TEST_F(WindowTest, ShownWindowIsCentredOnTheScreen)
{
    TfrmMain &frm = Open();
    frm.show();
    QApplication::processEvents();
    const QRect work = frm.screen()->availableGeometry();
    const QRect frame = frm.frameGeometry();
    EXPECT_EQ(frame.left(), std::max(work.left() + (work.width() - frame.width()) / 2, 0));
    EXPECT_EQ(frame.top(), std::max(work.top() + (work.height() - frame.height()) / 2, 0));
}

// Needs two screens: the WindowOnTwoScreens test runs it on two offscreen ones side by side.
TEST_F(WindowTest, StoredPlaceOffEveryScreenOpensOnTheNearestOne)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        GTEST_SKIP() << "one screen only";
    const QRect right = screens.at(1)->geometry();
    WriteSettings(QString("[WINDOWS]\nLEFT=%1\nTOP=%2\n")
                      .arg(right.right() + 3000)
                      .arg(right.top() + 100)
                      .toUtf8());
    TfrmMain &frm = Open();
    frm.show();
    QApplication::processEvents();
    const QRect frame = frm.frameGeometry();
    EXPECT_TRUE(right.contains(frame.center())) << frame.x() << "," << frame.y();
    EXPECT_EQ(frame.left(), right.left() + (right.width() - frame.width()) / 2);
}

TEST_F(WindowTest, ReportLinesKeepTheirColoursAndAFormatErrorAppendsNothing)
{
    TfrmMain &frm = Open();
    EXPECT_THROW(frm.LogFmt(Qt::blue, "%d", {}), zolvik::Error);
    EXPECT_TRUE(Find<QTextEdit>("memoLog")->document()->isEmpty());
    frm.LogFmt(Qt::blue, "T1 = %f  >>  R1 = %f", {-20.0L, 1.5L});
    frm.LogFmt(Qt::blue, "line %d", {std::int64_t{2}});
    frm.Log(Qt::red, "red line");
    QTextDocument *log = Find<QTextEdit>("memoLog")->document();
    ASSERT_EQ(log->blockCount(), 3);
    const QString sep(TfrmMain::DecimalSeparator());
    EXPECT_EQ(log->findBlockByNumber(0).text(), "T1 = -20" + sep + "00  >>  R1 = 1" + sep + "50");
    const auto colourOf = [log](int line) {
        return log->findBlockByNumber(line)
            .begin()
            .fragment()
            .charFormat()
            .foreground()
            .color()
            .name();
    };
    EXPECT_EQ(colourOf(0), "#0000ff");
    EXPECT_EQ(colourOf(1), "#0000ff");
    EXPECT_EQ(log->findBlockByNumber(2).text(), "red line");
    EXPECT_EQ(colourOf(2), "#ff0000");
}

TEST_F(WindowTest, DoubleClickClearsTheReportAndAFullOneRefusesLinesUntilCleared)
{
    TfrmMain &frm = Open();
    frm.Log(Qt::blue, "one");
    auto *memo = Find<QTextEdit>("memoLog");
    memo->insertPlainText("typed by the user");
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton);
    EXPECT_TRUE(memo->document()->isEmpty());
    frm.Log(Qt::red, "first again");
    EXPECT_EQ(memo->document()->blockCount(), 1);

    // A full report refuses lines until cleared.
    const QString chunk(1000, 'x');
    for (int i = 0; i < 65; ++i)
        frm.Log(Qt::blue, chunk);
    EXPECT_THROW(frm.Log(Qt::blue, chunk), zolvik::Error);
    frm.memoLogDblClick();
    EXPECT_NO_THROW(frm.Log(Qt::blue, chunk));
}

TEST_F(WindowTest, TypingAndPastingStayWithinTheReportCapacity)
{
    TfrmMain &frm = Open();
    auto *memo = Find<QTextEdit>("memoLog");
    const auto length = [memo] { return memo->toPlainText().size(); };
    for (int i = 0; i < 65; ++i)
        frm.Log(Qt::blue, QString(1000, 'x'));
    ASSERT_EQ(length(), 65 * 1000 + 64);

    QApplication::clipboard()->setText(QString(1'000'000, 'p'));
    QTest::keySequence(memo, QKeySequence::Paste);
    EXPECT_EQ(length(), 65064);
    EXPECT_NO_THROW(frm.Log(Qt::red, "next line"));  // a break and 9 characters
    QApplication::clipboard()->setText(QString(460, 'p'));
    QTest::keySequence(memo, QKeySequence::Paste);
    EXPECT_EQ(length(), 65534);
    QTest::keyClicks(memo, "abc");
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(length(), 65536);
    EXPECT_FALSE(memo->toPlainText().contains('c'));

    // What is selected makes room for what replaces it.
    memo->selectAll();
    QTest::keySequence(memo, QKeySequence::Paste);
    EXPECT_EQ(length(), 460);
    EXPECT_NO_THROW(frm.Log(Qt::red, "next line"));
}

TEST_F(WindowTest, ErrorDisplayIsAStopBoxWithFullStop)
{
    // Only a last character that sorts after "." earns a full stop.
    for (auto [thrown, shown] : {std::pair{"Division by zero", "Division by zero."},
                                 {"Cannot open file \"a b\"", "Cannot open file \"a b\""},
                                 {"Done.", "Done."}}) {
        auto box = CaptureNextMessageBox();
        TfrmMain::HandleErrors([thrown] { throw zolvik::Error(thrown); });
        ASSERT_TRUE(box->seen) << thrown;
        EXPECT_EQ(box->icon, QMessageBox::Critical);
        EXPECT_EQ(box->text, shown);
        EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
    }
}

TEST_F(WindowTest, UnwritableSettingsFileIsReportedAtExit)
{
    Open();
    ASSERT_TRUE(QDir(folder.path()).mkdir("zolviktools.ini"));
    auto box = CaptureNextMessageBox();
    Close();
    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->text, "Unable to write to " + SettingsPath() + ".");
}

TEST_F(WindowTest, ExitClosesTheWindowAndTheSettingsAreStoredWhenItGoes)
{
    TfrmMain &frm = Open();
    frm.show();
    Find<QTabWidget>("PageControl")->setCurrentIndex(6);
    Find<QLineEdit>("edtMod")->setText("7");
    QTest::mouseClick(Find<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(frm.isVisible());
    Close();
    const QByteArray ini = ReadSettings();
    EXPECT_TRUE(ini.contains("PC=6"));
    EXPECT_TRUE(ini.contains("MOD=7"));
}
