// zolvik icons: the icon strip button of the fonts page, and sheets of any tile size, BMP or
// PNG, in any pixel format, as raw records or a C header.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/gui_session.h"
#include "render/icon_output.h"
#include "render/icon_sheet.h"

namespace zolvik::cli {
namespace {

// Larger than any sheet a firmware image holds.
constexpr std::uint64_t kMaxSheetBytes = 256u << 20;

struct Options {
    std::string input;
    std::string output;
    std::string format = "rgb888";
    std::string tile = "48x48";
    std::string header;
};

int WriteIcons(const Options &options)
{
    IconOptions chosen;
    chosen.format = *PixelFormatNamed(options.format);
    chosen.tile = *ParseTileSize(options.tile);
    chosen.headerName = options.header;
    const std::string bytes = ReadInput(options.input, kMaxSheetBytes);
    const GuiSession gui;
    const QImage sheet =
        DecodeTileSheet(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
    if (sheet.isNull())
        throw InputFault(options.input, kIconSheetNotBitmap);
    std::string output;
    try {
        output = IconOutputBytes(sheet, chosen);
    } catch (const IconOutputRefused &refused) {
        throw InputFault(refused.AboutName() ? options.header : options.input, refused.what());
    }
    WriteOutput(OutputPath(options.input, options.output, IconOutputPath(options.input, chosen)),
                output);
    return 0;
}

}  // namespace

void AddIconsCommand(CLI::App &app, CommandRun &run)
{
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand(
        "icons", "A BMP sheet of 48x48 icons into raw RGB records (the .bmb button)");
    sub->add_option("SHEET", options->input, "The BMP or PNG sheet, or - for standard input")
        ->required();
    sub->add_option("-o,--output", options->output,
                    "The records' file, or - for standard output (default: SHEET with .bmb, or .h "
                    "with --header)");
    std::vector<std::string> formats;
    for (const PixelFormatInfo &info : PixelFormats())
        formats.emplace_back(info.name);
    sub->add_option("--format", options->format, "The pixels' format (default rgb888)")
        ->check(CLI::IsMember(formats));
    sub->add_option("--tile", options->tile, "The tile size WxH (default 48x48)")
        ->check(CLI::Validator(
            [](const std::string &text) {
                return ParseTileSize(text) ? std::string() : "'" + text + "' is not WxH";
            },
            "WxH"));
    sub->add_option(
        "--header", options->header,
        "Write a C header of this name (tile macros and a pixel array) instead of the records");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) { return WriteIcons(*options); };
    });
}

}  // namespace zolvik::cli
