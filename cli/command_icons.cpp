// zolvik icons: the icon strip button of the fonts page, and sheets of any tile size, BMP or
// PNG, in any pixel format, as raw records or a C header.
#include <CLI/CLI.hpp>

#include <memory>
#include <stdexcept>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/gui_session.h"
#include "render/icon_sheet.h"
#include "tools/icon_header_text.h"
#include "tools/icon_strip.h"

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

// The header's path beside the input: the records' path with ".h" for ".bmb".
std::string HeaderPath(const std::string &input)
{
    const std::string bmb = BmbPath(input);
    return bmb.substr(0, bmb.size() - 4) + ".h";
}

int WriteIcons(const Options &options)
{
    const PixelFormat format = *PixelFormatNamed(options.format);
    const TileSize tile = *ParseTileSize(options.tile);
    const std::string bytes = ReadInput(options.input, kMaxSheetBytes);
    const GuiSession gui;
    const QImage sheet =
        DecodeTileSheet(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
    if (sheet.isNull())
        throw InputFault(options.input, kIconSheetNotBitmap);
    const std::optional<std::vector<std::uint8_t>> records = TileSheetRecords(sheet, tile, format);
    if (!records)
        throw InputFault(options.input, TileSheetRefusal(tile));
    if (options.header.empty()) {
        WriteOutput(
            OutputPath(options.input, options.output, BmbPath(options.input)),
            std::string_view(reinterpret_cast<const char *>(records->data()), records->size()));
        return 0;
    }
    std::string text;
    try {
        text = IconHeaderText(options.header, tile, TileCount(sheet.width(), sheet.height(), tile),
                              format, *records);
    } catch (const std::invalid_argument &) {
        // The records match the tiles, so only the name or an empty sheet is refused.
        throw InputFault(options.header, sheet.width() == 0 || sheet.height() == 0
                                             ? "the sheet holds no tile"
                                             : "not a C identifier");
    }
    WriteOutput(OutputPath(options.input, options.output, HeaderPath(options.input)), text);
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
