// The bash completion of zolvik, driven the way bash drives it.
#include <QFile>

#include "tests/install/command.h"

using namespace zolvik_install_test;

namespace {

const char *const kBashCompletion = "/usr/share/bash-completion/bash_completion";

// The words bash offers after LINE (the last word is the one being completed), sorted.
QString Offered(const QString &line)
{
    const QString script =
        QString("source %1 && source %2 && read -ra COMP_WORDS <<< \"$LINE\" && "
                "[[ $LINE == *' ' ]] && COMP_WORDS+=(''); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                "COMP_LINE=$LINE; COMP_POINT=${#LINE}; _zolvik; printf '%s\\n' \"${COMPREPLY[@]}\" "
                "| sort")
            .arg(kBashCompletion, SourcePath("data/completion/zolvik"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LINE", line);
    environment.insert("LC_ALL", "C");
    const CommandResult result = RunCommand("bash", {"-c", script}, environment);
    return result.status == 0 ? result.out.trimmed().replace('\n', ' ') : "failed: " + result.err;
}

}  // namespace

TEST(BashCompletion, OffersSubcommandsOptionsAndTheirValues)
{
    if (!QFile::exists(kBashCompletion))
        GTEST_SKIP() << "bash-completion is not installed (scripts/install-deps.sh installs it)";
    const struct {
        const char *line;
        const char *offered;
    } cases[] = {
        {"zolvik t", "table temp thermistor timer"},
        {"zolvik table -", "--big-endian --help --name --pad -c -f -o -t -w"},
        {"zolvik table -f ", "c c-stdint coe cpp mif verilog vhdl vhdl-package"},
        {"zolvik table -c ", ""},
        {"zolvik font --",
         "--family --first --font-file --form --help --id --keep-missing --last --layout --name "
         "--proportional --sheet --size"},
        {"zolvik font --layout ", "pages rows"},
        {"zolvik icons x.png --format rgb5", "rgb565 rgb565be"},
        {"zolvik lcd --base ", "bin dec hex"},
        {"zolvik thermistor ", "--help coefficients fit lut temperature"},
        {"zolvik thermistor fit -", "--beta --help --point --table"},
        {"zolvik thermistor lut --topology ", "pulldown pullup"},
        {"zolvik timer --timer ", "avr0 avr1 avr2 custom: gp16"},
        {"zolvik thermistor temperature 100 -", "--abc --help"},
        {"zolvik schedule encode --d", "--days --disabled --duration"},
        {"zolvik temp 25 ", "c f k"},
        {"zolvik frobnicate -", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Offered(c.line), c.offered) << c.line;
}
