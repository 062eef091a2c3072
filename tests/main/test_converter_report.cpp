// The "Convert" button of the Files page: the converter runs on its own and its end shows as
// one line of the report.
#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "tests/support/file_bytes.h"
#include "tests/support/window_fixture.h"

namespace {

using zolvik_test::ReadFile;
using zolvik_test::WriteFile;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

class ConverterReportTest : public zolvik_test::WindowTest {
protected:
    // Answers the next file dialog with `path` and clicks "Convert", with `searchPath` in front
    // of the search path while it starts.
    void Convert(const QString &path, const QString &searchPath = {})
    {
        const QByteArray savedPath = qgetenv("PATH");
        if (!searchPath.isEmpty())
            qputenv("PATH", searchPath.toLocal8Bit() + ":" + savedPath);
        prompts.Answer(path);
        QTest::mouseClick(Find<QPushButton>("btnConverter"), Qt::LeftButton);
        qputenv("PATH", savedPath);
    }

    // Puts a converter running `script` on the search path under the Windows name, found first.
    QString StandIn(const QByteArray &script)
    {
        const QString program = QDir(bin.path()).filePath("hex2bin.exe");
        WriteFile(program, "#!/bin/sh\n" + script);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteFile(PathOf("any.hex"), ":00000001FF\n");
        return bin.path();
    }

    // The report's lines with their colours, once `count` of them are there.
    QList<std::pair<QString, QColor>> ReportLines(int count) const
    {
        const QTextDocument *log = Find<QTextEdit>("memoLog")->document();
        const auto lines = [log] { return log->isEmpty() ? 0 : log->blockCount(); };
        EXPECT_TRUE(QTest::qWaitFor([&] { return lines() >= count; }, 10000));
        QList<std::pair<QString, QColor>> result;
        for (QTextBlock line = log->begin(); line.isValid() && !log->isEmpty(); line = line.next())
            result.append({line.text(), line.begin().fragment().charFormat().foreground().color()});
        return result;
    }

    QString PathOf(const QString &name) const { return QDir(files.path()).filePath(name); }
    QTemporaryDir files;
    QTemporaryDir bin;
};

TEST_F(ConverterReportTest, EachConversionEndsInOneLineOfTheReport)
{
    ASSERT_TRUE(
        QFileInfo(QDir(QCoreApplication::applicationDirPath()).filePath("hex2bin")).isExecutable());
    Open();
    // "%d" in the folder name reaches the report as it is.
    ASSERT_TRUE(QDir(files.path()).mkdir("100%d"));
    const QString good = PathOf("100%d/good.hex");
    const QString bad = PathOf("100%d/bad.hex");
    WriteFile(good, ":0400100001020304E2\n:00000001FF\n");
    WriteFile(bad, ":0400100001020304E3\n:00000001FF\n");
    auto box = CaptureNextMessageBox();
    // Both run at once: nothing waits for the first, and the button stays free.
    Convert(good);
    EXPECT_TRUE(Find<QPushButton>("btnConverter")->isEnabled());
    Convert(bad);

    auto lines = ReportLines(2);
    std::sort(lines.begin(), lines.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    EXPECT_EQ(lines, (QList<std::pair<QString, QColor>>{
                         {PathOf("100%d/good.bin") + ": 0x00000010-0x00000013, 4 bytes", kBlue},
                         {"hex2bin: " + bad + ":1: bad checksum 0xE3, the record's bytes need 0xE2",
                          kRed}}));
    EXPECT_FALSE(box->seen);
}

TEST_F(ConverterReportTest, SilentEndsAreNamed)
{
    Open();
    const struct {
        QByteArray script;
        QString line;
        QColor colour;
    } cases[] = {
        {"exit 3\n", "hex2bin.exe failed with exit code 3", kRed},
        {"kill -9 $$\n", "hex2bin.exe stopped unexpectedly", kRed},
        {"exit 0\n", "hex2bin.exe finished", kBlue},
    };
    for (int n = 0; n < 3; ++n) {
        Convert(PathOf("any.hex"), StandIn(cases[n].script));
        const auto lines = ReportLines(n + 1);
        ASSERT_EQ(lines.size(), n + 1);
        EXPECT_EQ(lines.last(), std::make_pair(cases[n].line, cases[n].colour));
    }
}

TEST_F(ConverterReportTest, ClosingTheWindowStopsAConversionStillRunning)
{
    Open();
    const QByteArray pidFile = PathOf("pid").toUtf8();
    Convert(PathOf("any.hex"), StandIn("echo $$ > '" + pidFile + ".part'\nmv '" + pidFile +
                                       ".part' '" + pidFile + "'\nexec sleep 30\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pidFile); }, 10000));
    const QString process = "/proc/" + QString::fromLatin1(ReadFile(pidFile).trimmed());
    ASSERT_TRUE(QFileInfo::exists(process));
    Close();  // neither waits the 30 seconds nor reports to the closed window
    EXPECT_FALSE(QFileInfo::exists(process));
}

}  // namespace
