// zolvik mod: the MOD page's table of remainders.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "tools/modulo_table.h"

namespace zolvik::cli {

void AddModCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string first;
        std::string last;
        std::string modulus;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        app.add_subcommand("mod", "The remainders of a range of integers (the MOD page)");
    sub->add_option("FROM", options->first, "The first integer")->required();
    sub->add_option("TO", options->last, "The last integer")->required();
    sub->add_option("MODULUS", options->modulus, "The modulus")->required();
    sub->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            const std::string table =
                ModuloTable(WholeArgument(options->first), WholeArgument(options->last),
                            WholeArgument(options->modulus));
            if (!table.empty())
                out << table << '\n';
            return 0;
        };
    });
}

}  // namespace zolvik::cli
