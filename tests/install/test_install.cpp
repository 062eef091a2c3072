// `cmake --install` into a scratch prefix: the layout, the installed window run from there, and
// the CMake package.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>

#include "tests/install/command.h"

using namespace zolvik_install_test;

namespace {

const QString kId = ZOLVIK_APP_ID;

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Width and height from a PNG's header chunk.
QSize PngSize(const QString &path)
{
    const QByteArray png = ReadBytes(path);
    if (png.size() < 24 || !png.startsWith("\x89PNG\r\n\x1a\n"))
        return QSize();
    auto word = [&png](int at) {
        return int(quint8(png[at]) << 24 | quint8(png[at + 1]) << 16 | quint8(png[at + 2]) << 8 |
                   quint8(png[at + 3]));
    };
    return QSize(word(16), word(20));
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch_ = new QTemporaryDir;
        const CommandResult result =
            RunCommand(ZOLVIK_CMAKE_COMMAND, {"--install", ZOLVIK_BUILD_DIR, "--prefix", Prefix()});
        installLog_ = new QString(result.out + result.err);
        installed_ = result.status == 0;
    }

    static void TearDownTestSuite()
    {
        QFile::setPermissions(Prefix() + "/bin", QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ExeOwner | QFile::ReadOther |
                                                     QFile::ExeOther);
        delete scratch_;
        delete installLog_;
    }

    void SetUp() override { ASSERT_TRUE(installed_) << installLog_->toStdString(); }

    static QString Prefix() { return scratch_->filePath("prefix"); }
    static QString Scratch(const QString &name) { return scratch_->filePath(name); }

private:
    static inline QTemporaryDir *scratch_ = nullptr;
    static inline QString *installLog_ = nullptr;
    static inline bool installed_ = false;
};

}  // namespace

TEST_F(InstallTest, LaysOutProgramsDesktopFilesIconsAndManualPages)
{
    QStringList expected = {"bin/ZolvikTools",
                            "bin/hex2bin",
                            "share/applications/" + kId + ".desktop",
                            "share/metainfo/" + kId + ".metainfo.xml",
                            "share/icons/hicolor/scalable/apps/" + kId + ".svg",
                            "share/man/man1/hex2bin.1.gz",
                            "share/doc/zolvik-tools/copyright"};
#ifdef ZOLVIK_HAS_CLI
    expected << "bin/zolvik"
             << "share/man/man1/zolvik.1.gz"
             << "share/bash-completion/completions/zolvik"
             << "lib/cmake/ZolvikTools/ZolvikToolsConfig.cmake"
             << "lib/cmake/ZolvikTools/ZolvikToolsConfigVersion.cmake";
#endif
    for (const QString &file : expected)
        EXPECT_TRUE(QFileInfo(Prefix() + "/" + file).isFile()) << file.toStdString();
    for (const char *program : {"ZolvikTools", "hex2bin"})
        EXPECT_TRUE(QFileInfo(Prefix() + "/bin/" + program).isExecutable()) << program;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString png =
            QString("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(Prefix()).arg(size).arg(kId);
        EXPECT_EQ(PngSize(png), QSize(size, size)) << png.toStdString();
    }
}

// The installed window, its bin folder read-only: it shows its icon, starts the hex2bin beside
// it with no PATH to find it by, and keeps its settings in XDG_CONFIG_HOME.
TEST_F(InstallTest, WindowRunsFromThePrefixWithItsIconConverterAndSettings)
{
    const QString bin = Prefix() + "/bin";
    ASSERT_TRUE(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther));
    ASSERT_TRUE(QDir().mkpath(Scratch("work")) && QDir().mkpath(Scratch("empty")));
    const QString hex = Scratch("work/image.hex");
    QFile hexFile(hex);
    ASSERT_TRUE(hexFile.open(QIODevice::WriteOnly));
    hexFile.write(":0400000001020304F2\n:00000001FF\n");
    hexFile.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_PLUGIN_PATH", ZOLVIK_PROBE_PLUGIN_PATH);
    environment.insert("QT_QPA_GENERIC_PLUGINS", "zolvikprobe");
    environment.insert("ZOLVIK_PROBE_HEX", hex);
    environment.insert("ZOLVIK_PROBE_REPORT", Scratch("report.txt"));
    environment.insert("XDG_CONFIG_HOME", Scratch("config"));
    environment.insert("HOME", Scratch("work"));
    environment.insert("PATH", Scratch("empty"));
    const CommandResult run =
        RunCommand(bin + "/ZolvikTools", {}, environment, Scratch("work"), 60000);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    const QStringList report = QString::fromUtf8(ReadBytes(Scratch("report.txt"))).split('\n');
    for (const QString &line : {QString("window=Zolvik Tools"), QString("window-icon=set"),
                                QString("icon-sizes=16x16,32x32,48x48,64x64,128x128,256x256"),
                                QString("desktop-file=" + kId), QString("converted=yes")})
        EXPECT_TRUE(report.contains(line)) << line.toStdString() << "\n"
                                           << report.join('\n').toStdString();
    EXPECT_EQ(ReadBytes(Scratch("work/image.bin")), QByteArray("\x01\x02\x03\x04", 4));

    QStringList settingsInPrefix;
    for (QDirIterator files(Prefix(), {"zolviktools.ini*"}, QDir::Files,
                            QDirIterator::Subdirectories);
         files.hasNext();)
        settingsInPrefix << files.next();
    const QString settings = Scratch("config/ZolvikTools/zolviktools.ini");
    EXPECT_TRUE(ReadBytes(settings).contains("[APP]")) << settings.toStdString();
    EXPECT_EQ(settingsInPrefix, QStringList());
}

TEST_F(InstallTest, FindPackageGivesZolvikEmbedAndTheInstalledProgram)
{
#ifndef ZOLVIK_HAS_CLI
    GTEST_SKIP() << "the zolvik program is not part of this build";
#endif
    if (!QFile::exists(SourcePath("cmake/ZolvikTools.cmake")))
        GTEST_SKIP() << "cmake/ZolvikTools.cmake (zolvik_embed) is not part of this tree";
    ASSERT_TRUE(QDir().mkpath(Scratch("consumer")));
    QFile lists(Scratch("consumer/CMakeLists.txt"));
    ASSERT_TRUE(lists.open(QIODevice::WriteOnly));
    lists.write("cmake_minimum_required(VERSION 3.25)\n"
                "project(consumer NONE)\n"
                "find_package(ZolvikTools " ZOLVIK_VERSION " EXACT REQUIRED)\n"
                "if(NOT COMMAND zolvik_embed)\n"
                "  message(FATAL_ERROR \"zolvik_embed is not defined\")\n"
                "endif()\n"
                "message(STATUS \"zolvik=${ZOLVIK_EXECUTABLE}\")\n");
    lists.close();
    const CommandResult configure = RunCommand(
        ZOLVIK_CMAKE_COMMAND, {"-S", Scratch("consumer"), "-B", Scratch("consumer/build"),
                               "-DCMAKE_PREFIX_PATH=" + Prefix()});
    ASSERT_EQ(configure.status, 0) << configure.out.toStdString() << configure.err.toStdString();
    EXPECT_TRUE(configure.out.contains("zolvik=" + Prefix() + "/bin/zolvik\n"))
        << configure.out.toStdString();
}
