// The desktop entry and the AppStream metadata: what the validators say, and what they hold.
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "tests/install/command.h"

using namespace zolvik_install_test;

namespace {

const QString kDesktopEntry = SourcePath("data/" ZOLVIK_APP_ID ".desktop");
const QString kMetainfo = BuildPath("data/" ZOLVIK_APP_ID ".metainfo.xml");

QString ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of KEY in the desktop entry's one group, as written.
QString EntryValue(const QString &key)
{
    for (const QString &line : ReadText(kDesktopEntry).split('\n'))
        if (line.startsWith(key + "="))
            return line.mid(key.size() + 1);
    return QString();
}

}  // namespace

TEST(DesktopEntry, PassesDesktopFileValidate)
{
    ZOLVIK_REQUIRE_TOOL("desktop-file-validate", "desktop-file-utils");
    const CommandResult result = RunCommand("desktop-file-validate", {kDesktopEntry});
    EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_FALSE(result.out.contains("error:")) << result.out.toStdString();
}

TEST(DesktopEntry, StartsTheWindowUnderItsIconAndCategories)
{
    const struct {
        const char *key;
        const char *value;
    } expected[] = {
        {"Type", "Application"},
        {"Name", "Zolvik Tools"},
        {"Exec", "ZolvikTools"},
        {"Icon", ZOLVIK_APP_ID},
        {"Categories", "Development;Electronics;"},
    };
    for (const auto &field : expected)
        EXPECT_EQ(EntryValue(field.key), field.value) << field.key;
    for (const char *key : {"GenericName", "Comment"})
        EXPECT_FALSE(EntryValue(key).isEmpty()) << key;
}

TEST(AppStream, PassesAppstreamcliValidate)
{
    ZOLVIK_REQUIRE_TOOL("appstreamcli", "appstream");
    const CommandResult result = RunCommand("appstreamcli", {"validate", "--no-net", kMetainfo});
    EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_FALSE(
        QRegularExpression("^E:", QRegularExpression::MultilineOption).match(result.out).hasMatch())
        << result.out.toStdString();
}

TEST(AppStream, ShowsEveryReadmeScreenshotAndThisRelease)
{
    const QString metainfo = ReadText(kMetainfo);
    ASSERT_FALSE(metainfo.isEmpty()) << kMetainfo.toStdString();
    const QString readme = ReadText(SourcePath("README.md"));
    const QStringList screenshots =
        QDir(SourcePath("docs/screenshots")).entryList({"*.png"}, QDir::Files);
    ASSERT_FALSE(screenshots.isEmpty());
    for (const QString &png : screenshots) {
        EXPECT_TRUE(readme.contains("docs/screenshots/" + png)) << png.toStdString();
        EXPECT_TRUE(metainfo.contains("/" + png + "</image>")) << png.toStdString();
    }
    EXPECT_TRUE(metainfo.contains("<release version=\"" ZOLVIK_VERSION "\""));
    EXPECT_TRUE(metainfo.contains("<launchable type=\"desktop-id\">" ZOLVIK_APP_ID ".desktop<"));
}
