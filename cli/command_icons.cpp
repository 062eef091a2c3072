// zolvik icons: the icon strip button of the fonts page.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/gui_session.h"
#include "render/icon_sheet.h"
#include "tools/icon_strip.h"

namespace zolvik::cli {
namespace {

// Larger than any sheet a firmware image holds.
constexpr std::uint64_t kMaxSheetBytes = 256u << 20;

}  // namespace

void AddIconsCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string input;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand("icons", "A BMP sheet of 48x48 icons into raw RGB records (the .bmb button)");
    sub->add_option("SHEET", options->input, "The BMP sheet, or - for standard input")->required();
    sub->add_option("-o,--output", options->output,
                    "The records' file, or - for standard output (default: SHEET with .bmb)");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) {
            const std::string bytes = ReadInput(options->input, kMaxSheetBytes);
            const GuiSession gui;
            const QImage sheet = DecodeIconSheet(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
            if (sheet.isNull())
                throw InputFault(options->input, kIconSheetNotBitmap);
            const std::optional<std::vector<std::uint8_t>> records = IconSheetRecords(sheet);
            if (!records)
                throw InputFault(options->input, kIconSheetNot48);
            WriteOutput(OutputPath(options->input, options->output, BmbPath(options->input)),
                        std::string_view(reinterpret_cast<const char *>(records->data()), records->size()));
            return 0;
        };
    });
}

}  // namespace zolvik::cli
