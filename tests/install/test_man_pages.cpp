// The manual pages render cleanly and document what the programs accept.
#include <QFile>
#include <QRegularExpression>

#include "tests/install/command.h"

using namespace zolvik_install_test;

namespace {

QString PageSource(const QString &page)
{
    QFile file(BuildPath("man/" + page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

TEST(ManPages, RenderWithoutWarnings)
{
    ZOLVIK_REQUIRE_TOOL("man", "man-db");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("MANWIDTH", "80");
    for (const char *page : {"zolvik.1", "hex2bin.1"}) {
        const CommandResult result =
            RunCommand("man", {"--warnings", "-l", BuildPath(QString("man/") + page)}, environment);
        EXPECT_EQ(result.status, 0) << page;
        EXPECT_EQ(result.err, "") << page;
        for (const char *section : {"NAME", "SYNOPSIS", "DESCRIPTION", "EXIT STATUS", "EXAMPLES"})
            EXPECT_TRUE(result.out.contains(QString("\n") + section + "\n")) << page << section;
        EXPECT_TRUE(result.out.contains(ZOLVIK_VERSION)) << page;
    }
}

// Every option the help of the built hex2bin lists has its entry in the page.
TEST(ManPages, Hex2binPageHasEveryOptionOfItsHelp)
{
    const CommandResult help = RunCommand(BuildPath("bin/hex2bin"), {"-h"});
    ASSERT_EQ(help.status, 0) << help.err.toStdString();
    const QString page = PageSource("hex2bin.1");
    QStringList options;
    for (const auto &match :
         QRegularExpression("^  -([a-z])\\b", QRegularExpression::MultilineOption)
             .globalMatch(help.out))
        options << match.captured(1);
    EXPECT_EQ(options, (QStringList{"o", "f", "s", "l", "h"}));
    for (const QString &option : options) {
        const QRegularExpression entry("^\\.TP\\n\\.B[IR]? \\\\-" + option + "\\b",
                                       QRegularExpression::MultilineOption);
        EXPECT_TRUE(entry.match(page).hasMatch()) << option.toStdString();
    }
}
