// zolvik table: the ROM table button's writer.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/number_arguments.h"
#include "common/errors.h"
#include "tools/rom_table.h"
#include "tools/rom_table_format.h"

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
        std::string name;
        bool bigEndian = false;
        std::string pad;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand(
        "table",
        "Any file as a C array, a VHDL ROM constant or a memory file (the ROM table button)");
    std::vector<std::string> formats;
    for (const RomFormatName &known : kRomFormatNames)
        formats.emplace_back(known.name);
    sub->add_option("INPUT", options->input, "The file, or - for standard input")->required();
    sub->add_option("-f,--format", options->format,
                    "c, vhdl, c-stdint, cpp, verilog, coe, mif or vhdl-package (default c)")
        ->check(CLI::IsMember(formats));
    sub->add_option("-w,--width", options->width, "Element bits: 8, 16 or 32 (default 8)")
        ->check(CLI::IsMember({"8", "16", "32"}));
    sub->add_option("-c,--columns", options->columns, "Elements per line (default 8)");
    sub->add_option("-t,--tabs", options->tabs, "Tabs before each data line (default 1)");
    sub->add_option("-o,--output", options->output,
                    "The table's file, or - for standard output (default: INPUT with .txt for c "
                    "and vhdl, .h, .hpp, .mem, .coe, .mif or .vhd for the others)");
    sub->add_option("--name", options->name,
                    "The table's identifier (default: the input's file name made an identifier)");
    sub->add_flag("--big-endian", options->bigEndian, "Elements taken most significant byte first");
    sub->add_option("--pad", options->pad,
                    "Pad a trailing partial element with BYTE instead of leaving it out");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) {
            RomTableLayout layout;
            layout.format = *RomFormatFromName(options->format);
            layout.elementBytes = WholeArgument(options->width) / 8;
            layout.columns = WholeArgument(options->columns);
            layout.tabs = WholeArgument(options->tabs);
            layout.name = options->name;
            layout.bigEndian = options->bigEndian;
            if (!options->pad.empty())
                layout.pad = static_cast<std::uint8_t>(WholeArgumentIn(options->pad, 0, 255));
            if (options->input != "-")
                layout = RomTableLayoutForInput(layout, options->input);
            const std::string output = OutputPath(
                options->input, options->output, RomTableOutputName(options->input, layout.format));
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
