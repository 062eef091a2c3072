// zolvik table: the ROM table button's writer.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/number_arguments.h"
#include "common/errors.h"
#include "tools/rom_table.h"

namespace zolvik::cli {

void AddTableCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string input;
        std::string format = "c";
        std::string width = "8";
        std::string columns = "8";
        std::string tabs = "1";
        std::string output;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand("table", "Any file as a C array or a VHDL ROM constant (the ROM table button)");
    sub->add_option("INPUT", options->input, "The file, or - for standard input")->required();
    sub->add_option("-f,--format", options->format, "c or vhdl (default c)")
        ->check(CLI::IsMember({"c", "vhdl"}));
    sub->add_option("-w,--width", options->width, "Element bits: 8, 16 or 32 (default 8)")
        ->check(CLI::IsMember({"8", "16", "32"}));
    sub->add_option("-c,--columns", options->columns, "Elements per line (default 8)");
    sub->add_option("-t,--tabs", options->tabs, "Tabs before each data line (default 1)");
    sub->add_option("-o,--output", options->output,
                    "The table's file, or - for standard output (default: INPUT with .txt)");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) {
            RomTableLayout layout;
            layout.format = options->format == "vhdl" ? RomFormat::Vhdl : RomFormat::C;
            layout.elementBytes = WholeArgument(options->width) / 8;
            layout.columns = WholeArgument(options->columns);
            layout.tabs = WholeArgument(options->tabs);
            const std::string output =
                OutputPath(options->input, options->output, RomTableOutputName(options->input));
            try {
                WriteRomTableFile(options->input, output, layout);
            } catch (const Error &error) {
                throw InputFault(options->input, error.what());
            }
            return 0;
        };
    });
}

}  // namespace zolvik::cli
