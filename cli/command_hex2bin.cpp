// zolvik hex2bin: the converter the files page starts, with its options and messages.
#include <CLI/CLI.hpp>

#include "cli/command.h"
#include "hex2bin/run.h"

namespace zolvik::cli {

void AddHex2BinCommand(CLI::App &app, CommandRun &run)
{
    CLI::App *sub =
        app.add_subcommand("hex2bin", "An Intel HEX or S-record file into a binary image (the "
                                      "converter; zolvik hex2bin -h for its options)");
    // Every argument goes to the converter as it is, help included.
    sub->set_help_flag();
    sub->prefix_command();
    sub->callback([sub, &run] {
        run = [args = sub->remaining()](std::ostream &out, std::ostream &err) {
            return hex2bin::RunHex2Bin(args, out, err, "zolvik hex2bin");
        };
    });
}

}  // namespace zolvik::cli
