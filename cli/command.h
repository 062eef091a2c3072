#pragma once
// What every subcommand of `zolvik` shares: how it joins the one parser, how it reports a
// fault in the user's input, and the name "-" for the standard streams.
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "tools/lcd_char.h"

namespace CLI {
class App;
}

namespace zolvik::cli {

// The name that stands for standard input or standard output.
inline constexpr const char *kStandardStream = "-";

// The chosen subcommand's work, set by the parser once the arguments are read: returns the exit
// status. Text goes to `out`; files go through the file layer ("-" through the process's
// standard output). A fault is thrown, or reported on `err` by a command that words its own.
using CommandRun = std::function<int(std::ostream &out, std::ostream &err)>;

// A fault in what the user gave: reported as "zolvik COMMAND: SUBJECT: message" (the subject
// left out when empty) with exit status 1.
class InputFault : public std::runtime_error {
public:
    InputFault(std::string subject, const std::string &message)
        : std::runtime_error(message), FSubject(std::move(subject))
    {}
    const std::string &Subject() const { return FSubject; }

private:
    std::string FSubject;
};

// Each subcommand adds itself to the parser: its options are bound to values it keeps, and
// `run` is set when it is the one the arguments choose.
void AddTableCommand(CLI::App &app, CommandRun &run);
void AddHex2BinCommand(CLI::App &app, CommandRun &run);
void AddFontCommand(CLI::App &app, CommandRun &run);
void AddIconsCommand(CLI::App &app, CommandRun &run);
void AddCursorCommand(CLI::App &app, CommandRun &run);
void AddLcdCommand(CLI::App &app, CommandRun &run);
void AddCgramCommand(CLI::App &app, CommandRun &run);
void AddThermistorCommand(CLI::App &app, CommandRun &run);
// `thermistor fit` and `thermistor lut`, under the thermistor subcommand.
void AddThermistorFitCommand(CLI::App &thermistor, CommandRun &run);
void AddThermistorLutCommand(CLI::App &thermistor, CommandRun &run);
void AddTimerCommand(CLI::App &app, CommandRun &run);
void AddScheduleCommand(CLI::App &app, CommandRun &run);
void AddModCommand(CLI::App &app, CommandRun &run);
void AddTempCommand(CLI::App &app, CommandRun &run);
void AddBin2HexCommand(CLI::App &app, CommandRun &run);

// What `lcd` and `cgram` share: the base option and its value, and an array text read back (its
// wrapper's name into `name` when that is given and still empty), a fault naming `subject`.
void AddLcdBaseOption(CLI::App &sub, std::string &base);
int LcdBaseNamed(const std::string &name);
LcdRowBytes ReadLcdArrayArgument(const std::string &subject, const std::string &text,
                                 std::string *name);

}  // namespace zolvik::cli
