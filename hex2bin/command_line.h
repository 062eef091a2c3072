#pragma once
// The converter's command line: the HEX file, the output name and the conversion options.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "hex2bin/convert.h"

namespace hex2bin {

struct CommandLine {
    bool help = false;
    bool info = false;   // describe the file's data instead of converting it
    bool quiet = false;  // no line on standard output after converting
    std::string input;
    std::string output;  // the input name with ".bin" for its extension unless -o names one
    ConvertOptions options;
};

// Reads an option value: decimal digits, or hexadecimal digits after 0x or 0X. Nothing for any
// other text or a value above `max`.
std::optional<std::uint64_t> ParseNumber(std::string_view text, std::uint64_t max);

// The output name for `input`: its extension replaced by ".bin", or ".bin" appended when it has
// none.
std::string DefaultOutputName(const std::string &input);

// Reads the arguments after the program name. Words that are not options are joined with single
// blanks into the input name, so that a path with blanks passed unquoted still names its file.
// Returns the command line, or the message for a usage fault.
std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string> &args);

// The help, with `program` as the name the converter is started by.
std::string HelpText(std::string_view program = "hex2bin");

}  // namespace hex2bin
