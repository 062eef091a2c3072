// zolvik cgram: the eight user characters of a character LCD's CGRAM as one C array, from the
// LCD page's array texts, one per line.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "tools/lcd_array_parse.h"
#include "tools/lcd_cgram_set.h"

namespace zolvik::cli {
namespace {

// Far more than eight array texts take.
constexpr std::uint64_t kMaxCgramText = 1u << 20;

struct Options {
    std::string input;
    std::string output = kStandardStream;
    std::string base = "bin";
    std::string name;
};

// Characters 0 onwards from the file's lines; blank lines are skipped and characters no line
// gives stay empty.
LcdCgramSet ReadCgramSet(const Options &options)
{
    const std::string text = ReadInput(options.input, kMaxCgramText);
    LcdCgramSet set{};
    int characters = 0;
    std::size_t start = 0;
    for (int line = 1; start < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view content(text.data() + start, end - start);
        start = end + 1;
        if (content.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        const std::string subject = options.input + ":" + std::to_string(line);
        if (characters == kCgramCharacters)
            throw InputFault(subject, "a CGRAM set holds 8 characters");
        set[characters++] = ReadLcdArrayArgument(subject, std::string(content), nullptr);
    }
    return set;
}

}  // namespace

void AddCgramCommand(CLI::App &app, CommandRun &run)
{
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand(
        "cgram", "The eight characters of an LCD's CGRAM as one uint8_t NAME[8][8] array");
    sub->add_option("FILE", options->input,
                    "Up to eight LCD array texts, one per line (as `zolvik lcd` prints them, or "
                    "bare values), or - for standard input")
        ->required();
    sub->add_option("-o,--output", options->output, "The array's file (default: standard output)");
    AddLcdBaseOption(*sub, options->base);
    sub->add_option("--name", options->name, "The array's name (default as the page: newArrray)");
    sub->callback([options, &run] {
        run = [options](std::ostream &, std::ostream &) {
            const LcdCgramSet set = ReadCgramSet(*options);
            WriteOutput(options->output,
                        LcdCgramSetText(options->name, set, LcdBaseNamed(options->base)));
            return 0;
        };
    });
}

}  // namespace zolvik::cli
