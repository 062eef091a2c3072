// zolvik bin2hex: a binary image as Intel HEX, the converter's reverse.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "fileio/input_file.h"
#include "fileio/output_file.h"
#include "hex2bin/intel_hex_writer.h"

namespace zolvik::cli {

void AddBin2HexCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string input;
        std::string address = "0";
        std::string output;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        app.add_subcommand("bin2hex", "A binary image as Intel HEX (the converter's reverse)");
    sub->add_option("FILE", options->input, "The binary, or - for standard input")->required();
    sub->add_option("--address", options->address,
                    "Where the first byte goes, decimal or 0x hexadecimal (default 0)");
    sub->add_option("-o,--output", options->output,
                    "The HEX file, or - for standard output (default: FILE with .hex)");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) {
            // Addresses take all 32 bits: the number rules read 8 hexadecimal digits as a pattern.
            const auto address = static_cast<std::uint32_t>(WholeArgument(options->address));
            std::string output = options->output;
            if (output.empty())
                output =
                    options->input == kStandardStream
                        ? kStandardStream
                        : std::filesystem::path(options->input).replace_extension(".hex").string();
            fileio::InputFile input = options->input == kStandardStream
                                          ? fileio::InputFile::StandardInput()
                                          : fileio::InputFile::Open(options->input);
            fileio::OutputFile file = output == kStandardStream
                                          ? fileio::OutputFile::StandardOutput()
                                          : fileio::OutputFile(output);
            try {
                hex2bin::WriteIntelHex(input, address, file);
            } catch (const std::out_of_range &) {
                throw InputFault(options->input,
                                 "the image runs past the 4 GiB that Intel HEX addresses");
            }
            file.Commit();
            return 0;
        };
    });
}

}  // namespace zolvik::cli
