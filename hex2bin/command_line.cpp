#include "hex2bin/command_line.h"

#include <filesystem>

namespace hex2bin {

std::optional<std::uint64_t> ParseNumber(std::string_view text, std::uint64_t max)
{
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        if (digit > max || value > (max - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}

std::string DefaultOutputName(const std::string &input)
{
    if (input == "-")
        return "-";
    std::filesystem::path path(input);
    path.replace_extension(".bin");
    return path.string();
}

std::variant<CommandLine, std::string> ParseCommandLine(const std::vector<std::string> &args)
{
    CommandLine line;
    std::optional<std::string> output;
    std::vector<std::string> words;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            line.help = true;
            return line;
        }
        if (arg == "--info" || arg == "--quiet") {
            (arg == "--info" ? line.info : line.quiet) = true;
            continue;
        }
        const char option = arg[1];
        if (arg.size() > 2 && arg[1] == '-')
            return "unknown option '" + arg + "'";
        if (option != 'o' && option != 'f' && option != 's' && option != 'l')
            return "unknown option '" + arg + "'";
        std::string value;
        if (arg.size() > 2) {
            value = arg.substr(2);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return std::string("option -") + option + " needs a value";
        }

        switch (option) {
        case 'o':
            if (value.empty())
                return "option -o needs a file name";
            output = value;
            break;
        case 'f':
            if (auto fill = ParseNumber(value, 0xFF))
                line.options.fill = static_cast<std::uint8_t>(*fill);
            else
                return "option -f needs a byte from 0 to 255 (or 0x00 to 0xFF), not '" + value +
                       "'";
            break;
        case 's':
            if (auto start = ParseNumber(value, 0xFFFFFFFF))
                line.options.start = *start;
            else
                return "option -s needs an address from 0 to 0xFFFFFFFF, not '" + value + "'";
            break;
        case 'l':
            if (auto length = ParseNumber(value, UINT64_MAX))
                line.options.length = *length;
            else
                return "option -l needs a length in bytes, not '" + value + "'";
            break;
        }
    }

    if (words.empty())
        return "no HEX file given";
    line.input = words.front();
    for (std::size_t i = 1; i < words.size(); ++i)
        line.input += ' ' + words[i];
    line.output = output ? *output : DefaultOutputName(line.input);
    return line;
}

std::string HelpText(std::string_view program)
{
    return "Usage: " + std::string(program) + R"( [options] FILE.hex

Converts an Intel HEX or Motorola S-record file into a binary image, written beside it as FILE.bin,
and prints one line: the file written, the address range it covers, its size and the start
address if the file gives one.

Options:
  -o FILE     write the image to FILE instead of FILE.bin (- for standard output)
  -f BYTE     value of the bytes no record writes (default 0xFF)
  -s ADDRESS  first address of the image (default: the lowest address written)
  -l LENGTH   size of the image in bytes (default: up to the highest address written)
  --info      print the address ranges the file writes, its start address and its byte count,
              and write nothing
  --quiet     print nothing after converting
  -h          show this help and stop

Numbers are decimal, or hexadecimal after 0x.

The image covers every address from the lowest to the highest one the records write; addresses
no record writes hold the fill byte. -s and -l clip that range: bytes outside it are dropped,
addresses inside it without data are filled. An image larger than 256 MiB is refused. A file
without any data gives an empty image (or LENGTH fill bytes with -l). A FILE without an extension
gets ".bin" appended. Words that are not options are joined with blanks into one file name, so an
unquoted path with single blanks still names its file.

Records: data (00), end of file (01), extended segment address (02), start segment address (03),
extended linear address (04) and start linear address (05). Records 02 and 04 each replace the
address base the other set; under a segment base (02) a data record wraps within its 64 KiB
segment. Start address records (03, 05) give the start address (CS * 16 + IP for 03). Hex digits
may be upper or lower case, lines may end in LF or CR LF, blank lines are skipped, and so is a
UTF-8 byte-order mark at the start.

A file whose first character is 'S' is read as Motorola S-records: S0 (header, ignored), S1, S2
and S3 (data at a 16, 24 or 32-bit address), S5 and S6 (the number of data records before them,
checked), S7, S8 and S9 (end, with the start address; optional). Every record's checksum is
checked, and faults are reported as for Intel HEX.

The file is refused, with the line and the fault on standard error and exit status 1, for a bad
checksum, a malformed record, a record length that does not match the line, an unknown record
type, anything after the end-of-file record, an address written twice with different data, or a
missing end-of-file record. Reading stops at the first such line, so a file that is no record text
at all is read no further than its first line. FILE must be a regular file: a FIFO, a device or a
folder is refused at once. FILE - reads standard input (held whole in memory) and, without -o,
writes the image to standard output, without the summary line. The image is written to a
temporary file that replaces FILE.bin only when complete, so a refused or interrupted run leaves
no output behind.
)";
}

}  // namespace hex2bin
