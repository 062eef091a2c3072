// zolvik lcd: the LCD page's array text for eight row values.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "tools/lcd_char.h"

namespace zolvik::cli {

void AddLcdCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::vector<std::string> rows;
        std::string base = "bin";
        std::string name;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        app.add_subcommand("lcd", "The C initialiser of a 5x8 LCD character (the LCD page)");
    sub->add_option("ROW", options->rows, "Eight row values from 0 to 31, top row first")
        ->required()
        ->expected(kLcdRows);
    sub->add_option("--base", options->base, "bin, hex or dec (default bin)")
        ->check(CLI::IsMember({"bin", "hex", "dec"}));
    sub->add_option("--name", options->name, "The array's name (default as the page: newArrray)");
    sub->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            LcdRowBytes rows{};
            for (int row = 0; row < kLcdRows; ++row)
                rows[row] = static_cast<std::uint8_t>(WholeArgumentIn(options->rows[row], 0, 31));
            const int base = options->base == "bin"   ? kLcdBaseBinary
                             : options->base == "hex" ? kLcdBaseHexadecimal
                                                      : kLcdBaseDecimal;
            out << LcdArrayText(options->name, rows, base) << '\n';
            return 0;
        };
    });
}

}  // namespace zolvik::cli
