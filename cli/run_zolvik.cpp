#include "cli/run_zolvik.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <exception>

#include "cli/command.h"
#include "fileio/file_error.h"

namespace zolvik::cli {
namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

// "zolvik" and the chosen subcommands, as the messages name the command.
std::string CommandName(const CLI::App &app)
{
    std::string name = app.get_name();
    for (const CLI::App *sub = &app;;) {
        const std::vector<const CLI::App *> chosen = sub->get_subcommands({});
        const auto parsed =
            std::find_if(chosen.begin(), chosen.end(),
                         [](const CLI::App *candidate) { return candidate->parsed(); });
        if (parsed == chosen.end())
            return name;
        sub = *parsed;
        name += ' ' + sub->get_name();
    }
}

void Report(std::ostream &err, const std::string &command, const std::string &subject,
            const std::string &message)
{
    err << command << ": ";
    if (!subject.empty())
        err << subject << ": ";
    err << message << '\n';
}

// CLI11's words, except for a first word that is neither a subcommand nor an option of zolvik.
std::string UsageFault(const CLI::App &app, const std::vector<std::string> &args,
                       const CLI::ParseError &error)
{
    const bool chosen = !app.get_subcommands().empty();
    if (chosen || args.empty())
        return error.what();
    if (!args.front().starts_with('-'))
        return "unknown subcommand '" + args.front() + "'";
    return "unknown option '" + args.front() + "'";
}

}  // namespace

int RunZolvik(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    CLI::App app("Zolvik Tools on the command line: the generators of the window, byte for byte.",
                 "zolvik");
    app.set_version_flag("--version", ZOLVIK_VERSION, "Show the version and stop");
    app.require_subcommand(1);
    app.get_formatter()->column_width(34);

    CommandRun run;
    AddTableCommand(app, run);
    AddHex2BinCommand(app, run);
    AddBin2HexCommand(app, run);
    AddFontCommand(app, run);
    AddIconsCommand(app, run);
    AddCursorCommand(app, run);
    AddLcdCommand(app, run);
    AddCgramCommand(app, run);
    AddThermistorCommand(app, run);
    AddTimerCommand(app, run);
    AddScheduleCommand(app, run);
    AddModCommand(app, run);
    AddTempCommand(app, run);

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp &) {
        out << app.help();
        return 0;
    } catch (const CLI::CallForAllHelp &) {
        out << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::CallForVersion &) {
        out << ZOLVIK_VERSION << '\n';
        return 0;
    } catch (const CLI::ParseError &error) {
        err << CommandName(app) << ": " << UsageFault(app, args, error) << "\n\n" << app.help();
        return kUsage;
    }

    const std::string command = CommandName(app);
    int status = 0;
    try {
        if (run)
            status = run(out, err);
    } catch (const InputFault &fault) {
        Report(err, command, fault.Subject(), fault.what());
        return kFailure;
    } catch (const fileio::FileError &error) {
        Report(err, command, error.Path(), error.Reason());
        return kFailure;
    } catch (const std::exception &error) {
        Report(err, command, "", error.what());
        return kFailure;
    }
    out.flush();
    return status;
}

}  // namespace zolvik::cli
