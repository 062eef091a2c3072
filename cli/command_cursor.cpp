// zolvik cursor: "Create File ,H" for a cursor binary as "Load BIN" reads it.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "tools/cursor_image.h"

namespace zolvik::cli {

void AddCursorCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string input;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand(
        "cursor", "The C header of a 16,384-byte cursor binary (Create File ,H)");
    sub->add_option("FILE", options->input, "The cursor binary, or - for standard input")
        ->required();
    sub->add_option("-o,--output", options->output, "The header's file (default: standard output)");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) {
            const std::string bytes = ReadInput(options->input, kCursorBinarySize);
            // The window takes a binary of any length over the picture it shows; here there is
            // no picture, so only a whole one is a cursor.
            if (bytes.size() != kCursorBinarySize)
                throw InputFault(options->input,
                                 "a cursor binary holds " + std::to_string(kCursorBinarySize) +
                                     " bytes, this one " + std::to_string(bytes.size()));
            const CursorTable blank{};
            const CursorTable cursor = LoadCursorBinary(blank, bytes);
            WriteOutput(options->output.empty() ? kStandardStream : options->output,
                        CursorHeaderText(cursor));
            return 0;
        };
    });
}

}  // namespace zolvik::cli
