// The "Convert" button of the Files page: the converter runs on its own and its end shows as
// one line of the report.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "tests/support/file_bytes.h"
#include "tests/support/window_fixture.h"

namespace {

using zolvik_test::ReadFile;
using zolvik_test::WindowTest;
using zolvik_test::WriteFile;

class ConverterReportTest : public WindowTest {
protected:
    TfrmMain &OpenOnFilesPage()
    {
        TfrmMain &frm = Open();
        Find<QTabWidget>("PageControl")->setCurrentIndex(1);
        return frm;
    }

    QString PathOf(const QString &name) const { return QDir(files.path()).filePath(name); }

    // Answers the next file dialog with `path` and clicks "Convert"; returns the message box
    // the click may show.
    std::shared_ptr<zolvik_test::CapturedBox> Convert(const QString &path)
    {
        prompts.Answer(path);
        auto box = CaptureNextMessageBox();
        QTest::mouseClick(Find<QPushButton>("btnConverter"), Qt::LeftButton);
        return box;
    }

    QTextBlock LastLine() const { return Find<QTextEdit>("memoLog")->document()->lastBlock(); }
    QColor LastLineColour() const { return LastLine().begin().fragment().charFormat().foreground().color(); }
    int Lines() const
    {
        const QTextDocument *log = Find<QTextEdit>("memoLog")->document();
        return log->isEmpty() ? 0 : log->blockCount();
    }

    QTemporaryDir files;
};

TEST_F(ConverterReportTest, EachConversionEndsInOneLineOfTheReport)
{
    ASSERT_TRUE(QFileInfo(QDir(QCoreApplication::applicationDirPath()).filePath("hex2bin")).isExecutable());
    OpenOnFilesPage();
    // "%d" in the folder name reaches the report as it is.
    ASSERT_TRUE(QDir(files.path()).mkdir("100%d"));
    const QString good = PathOf("100%d/good.hex");
    const QString bad = PathOf("100%d/bad.hex");
    WriteFile(good, ":0400100001020304E2\n:00000001FF\n");
    WriteFile(bad, ":0400100001020304E3\n:00000001FF\n");

    const struct {
        QString file;
        QString line;
        QColor colour;
    } cases[] = {
        {good, PathOf("100%d/good.bin") + ": 0x00000010-0x00000013, 4 bytes", QColor(0, 0, 255)},
        {bad, "hex2bin: " + bad + ":1: bad checksum 0xE3, the record's bytes need 0xE2", QColor(255, 0, 0)},
    };
    for (const auto &test : cases) {
        const int before = Lines();
        const auto box = Convert(test.file);
        // Nothing waits for the converter: the button is free at once, and no box is shown.
        EXPECT_TRUE(Find<QPushButton>("btnConverter")->isEnabled());
        ASSERT_TRUE(QTest::qWaitFor([&] { return Lines() > before; }, 10000));
        EXPECT_FALSE(box->seen);
        EXPECT_EQ(Lines(), before + 1);
        EXPECT_EQ(LastLine().text(), test.line);
        EXPECT_EQ(LastLineColour(), test.colour);
    }
}

TEST_F(ConverterReportTest, ConversionsRunSideBySide)
{
    OpenOnFilesPage();
    const int before = Lines();
    for (int n = 0; n < 3; ++n) {
        const QString file = PathOf(QString("part%1.hex").arg(n));
        WriteFile(file, ":0100000000FF\n:00000001FF\n");
        Convert(file);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return Lines() == before + 3; }, 10000));
    for (int n = 0; n < 3; ++n)
        EXPECT_TRUE(QFile::exists(PathOf(QString("part%1.bin").arg(n)))) << n;
}

// A stand-in converter, found first on the search path under the Windows name, running
// `script`.
class StandInConverterTest : public ConverterReportTest {
protected:
    void ClickWithStandIn(const QByteArray &script)
    {
        const QString program = QDir(bin.path()).filePath("hex2bin.exe");
        WriteFile(program, "#!/bin/sh\n" + script);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteFile(PathOf("any.hex"), ":00000001FF\n");
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ":" + savedPath);
        Convert(PathOf("any.hex"));
        qputenv("PATH", savedPath);
    }

    QTemporaryDir bin;
};

TEST_F(StandInConverterTest, SilentEndsAreNamed)
{
    OpenOnFilesPage();
    const struct {
        QByteArray script;
        QString line;
        QColor colour;
    } cases[] = {
        {"exit 3\n", "hex2bin.exe failed with exit code 3", QColor(255, 0, 0)},
        {"kill -9 $$\n", "hex2bin.exe stopped unexpectedly", QColor(255, 0, 0)},
        {"exit 0\n", "hex2bin.exe finished", QColor(0, 0, 255)},
    };
    for (const auto &test : cases) {
        const int before = Lines();
        ClickWithStandIn(test.script);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Lines() > before; }, 10000)) << test.script.toStdString();
        EXPECT_EQ(LastLine().text(), test.line);
        EXPECT_EQ(LastLineColour(), test.colour);
    }
}

TEST_F(StandInConverterTest, ClosingTheWindowStopsAConversionStillRunning)
{
    OpenOnFilesPage();
    const QString pidFile = PathOf("pid");
    ClickWithStandIn("echo $$ > '" + pidFile.toUtf8() + ".part'\nmv '" + pidFile.toUtf8() + ".part' '" +
                     pidFile.toUtf8() + "'\nexec sleep 30\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pidFile); }, 10000));
    const QString process = "/proc/" + QString::fromLatin1(ReadFile(pidFile).trimmed());
    ASSERT_TRUE(QFileInfo::exists(process));
    Close();  // neither waits the 30 seconds nor reports to the closed window
    EXPECT_FALSE(QFileInfo::exists(process));
}

}  // namespace
