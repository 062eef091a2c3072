// zolvik hex2bin: the converter the files page starts, with its options and messages.
#include <CLI/CLI.hpp>

#include <memory>
#include <sstream>

#include "cli/command.h"
#include "hex2bin/run.h"

namespace zolvik::cli {
namespace {

// Every occurrence of `from` in `text` replaced by `to`.
std::string ReplacedAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The converter's texts with the command's name where the converter names itself: at the start
// of each message line, in the usage line and in the pointer to the help.
std::string Renamed(const std::string &text)
{
    std::string renamed = ReplacedAll("\n" + text, "\nhex2bin: ", "\nzolvik hex2bin: ").substr(1);
    renamed = ReplacedAll(renamed, "Usage: hex2bin ", "Usage: zolvik hex2bin ");
    return ReplacedAll(renamed, "(hex2bin -h ", "(zolvik hex2bin -h ");
}

}  // namespace

void AddHex2BinCommand(CLI::App &app, CommandRun &run)
{
    CLI::App *sub = app.add_subcommand(
        "hex2bin", "An Intel HEX file into a binary image (the converter; zolvik hex2bin -h for its options)");
    // Every argument goes to the converter as it is, help included.
    sub->set_help_flag();
    sub->prefix_command();
    sub->callback([sub, &run] {
        run = [args = sub->remaining()](std::ostream &out, std::ostream &err) {
            std::ostringstream said;
            std::ostringstream complained;
            const int status = hex2bin::RunHex2Bin(args, said, complained);
            out << Renamed(said.str());
            err << Renamed(complained.str());
            return status;
        };
    });
}

}  // namespace zolvik::cli
