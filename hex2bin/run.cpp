#include "hex2bin/run.h"

#include <exception>
#include <filesystem>
#include <system_error>
#include <variant>

#include "hex2bin/command_line.h"
#include "hex2bin/convert.h"
#include "hex2bin/image_file.h"

namespace hex2bin {
namespace {

bool SameFile(const std::string &a, const std::string &b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    const auto first = std::filesystem::weakly_canonical(a, error);
    if (error)
        return false;
    const auto second = std::filesystem::weakly_canonical(b, error);
    return !error && first == second;
}

}  // namespace

int RunHex2Bin(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const auto parsed = ParseCommandLine(args);
    if (const auto *usage = std::get_if<std::string>(&parsed)) {
        err << "hex2bin: " << *usage << " (hex2bin -h shows the usage)\n";
        return 1;
    }
    const auto &command = std::get<CommandLine>(parsed);
    if (command.help) {
        out << HelpText();
        return 0;
    }
    if (SameFile(command.input, command.output)) {
        err << "hex2bin: " << command.input << ": the output would replace the HEX file itself\n";
        return 1;
    }

    try {
        const std::string text = ReadWholeFile(command.input);
        const Conversion conversion = ConvertHex(text, command.options);
        if (const auto &fault = conversion.error()) {
            err << "hex2bin: " << command.input;
            if (fault->line != 0)
                err << ':' << fault->line;
            err << ": " << fault->message << '\n';
            return 1;
        }
        WriteImageFile(conversion.image(), command.output);
    } catch (const std::exception &e) {
        err << "hex2bin: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace hex2bin
