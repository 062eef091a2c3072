// zolvik cursor: "Create File ,H" for a cursor binary as "Load BIN" reads it, or for a picture
// as "Import picture..." reads it; or the binary "Save BIN" writes.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/gui_session.h"
#include "render/cursor_picture.h"
#include "tools/cursor_image.h"

namespace zolvik::cli {
namespace {

struct Options {
    std::string input;
    std::string output = kStandardStream;
    bool picture = false;
    bool binary = false;
};

CursorTable ReadCursor(const Options &options)
{
    if (options.picture) {
        const std::string bytes = ReadInput(options.input, kLargestCursorPicture);
        const GuiSession gui;
        const CursorImport imported =
            CursorFromPicture(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
        if (!imported.table)
            throw InputFault(options.input, imported.error);
        return *imported.table;
    }
    const std::string bytes = ReadInput(options.input, kCursorBinarySize);
    // The window takes a binary of any length over the picture it shows; here there is no
    // picture, so only a whole one is a cursor.
    if (bytes.size() != kCursorBinarySize)
        throw InputFault(options.input, "a cursor binary holds " +
                                            std::to_string(kCursorBinarySize) +
                                            " bytes, this one " + std::to_string(bytes.size()));
    const CursorTable blank{};
    return LoadCursorBinary(blank, bytes);
}

}  // namespace

void AddCursorCommand(CLI::App &app, CommandRun &run)
{
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand(
        "cursor", "The C header of a 16,384-byte cursor binary (Create File ,H)");
    sub->add_option("FILE", options->input,
                    "The cursor binary (or with --picture a 64x64 PNG or BMP picture), or - for "
                    "standard input")
        ->required();
    sub->add_option("-o,--output", options->output, "The output file (default: standard output)");
    sub->add_flag("--picture", options->picture,
                  "FILE is a picture: black to palette 0, white to palette 1, transparent to "
                  "transparent, other colours to the nearest by luminance and alpha");
    sub->add_flag("--binary", options->binary,
                  "Write the 16,384-byte cursor binary (Save BIN) instead of the header");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) {
            const CursorTable cursor = ReadCursor(*options);
            WriteOutput(options->output,
                        options->binary ? CursorBinary(cursor) : CursorHeaderText(cursor));
            return 0;
        };
    });
}

}  // namespace zolvik::cli
