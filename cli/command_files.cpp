#include "cli/command_files.h"

#include "cli/command.h"
#include "fileio/input_file.h"
#include "fileio/output_file.h"

namespace zolvik::cli {

std::string ReadInput(const std::string &path, std::uint64_t limit)
{
    fileio::InputFile input = path == kStandardStream ? fileio::InputFile::StandardInput()
                                                      : fileio::InputFile::Open(path);
    std::string bytes;
    constexpr std::size_t kPiece = 256 * 1024;
    for (;;) {
        const std::size_t filled = bytes.size();
        bytes.resize(filled + kPiece);
        const std::size_t got = input.Read(bytes.data() + filled, kPiece);
        bytes.resize(filled + got);
        if (bytes.size() > limit)
            throw InputFault(path, "longer than " + std::to_string(limit) + " bytes");
        if (got == 0)
            return bytes;
    }
}

void WriteOutput(const std::string &path, std::string_view bytes)
{
    fileio::OutputFile output =
        path == kStandardStream ? fileio::OutputFile::StandardOutput() : fileio::OutputFile(path);
    output.Write(bytes);
    output.Commit();
}

std::string OutputPath(const std::string &input, const std::string &option,
                       const std::string &besideInput)
{
    if (!option.empty())
        return option;
    return input == kStandardStream ? kStandardStream : besideInput;
}

}  // namespace zolvik::cli
