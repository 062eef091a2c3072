#include "hex2bin/run.h"

#include <filesystem>
#include <memory>
#include <new>
#include <system_error>
#include <variant>

#include "fileio/file_error.h"
#include "fileio/input_file.h"
#include "fileio/output_file.h"
#include "hex2bin/command_line.h"
#include "hex2bin/convert.h"
#include "hex2bin/image_writer.h"
#include "hex2bin/summary.h"

namespace hex2bin {
namespace {

using zolvik::fileio::FileError;
using zolvik::fileio::FileFault;
using zolvik::fileio::InputFile;
using zolvik::fileio::OutputFile;

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

constexpr const char *kStandardStream = "-";

// Standard input, read whole: a stream cannot be read again for a later pass.
std::shared_ptr<const std::string> ReadStandardInput()
{
    InputFile input = InputFile::StandardInput();
    auto text = std::make_shared<std::string>();
    char buffer[64 * 1024];
    while (const std::size_t got = input.Read(buffer, sizeof buffer))
        text->append(buffer, got);
    return text;
}

// The text of `path` in pieces; opened at the first call, opened anew at every later one.
class FileOpener {
public:
    explicit FileOpener(const std::string &path) : path_(path)
    {
        if (path == kStandardStream)
            held_ = ReadStandardInput();
        else
            first_.emplace(InputFile::Open(path));
    }

    std::uint64_t Size() const
    {
        return held_ ? held_->size() : first_ ? first_->Size().value_or(0) : 0;
    }

    TextSource operator()()
    {
        if (held_)
            return [text = held_, at = std::size_t{0}](char *buffer, std::size_t count) mutable {
                const std::size_t n = text->copy(buffer, count, at);
                at += n;
                return n;
            };
        auto file = first_ ? std::make_shared<InputFile>(std::move(*first_))
                           : std::make_shared<InputFile>(InputFile::Open(path_));
        first_.reset();
        return [file](char *buffer, std::size_t count) { return file->Read(buffer, count); };
    }

private:
    std::string path_;
    std::optional<InputFile> first_;
    std::shared_ptr<const std::string> held_;
};

}  // namespace

int RunHex2Bin(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
               std::string_view program)
{
    const auto parsed = ParseCommandLine(args);
    if (const auto *usage = std::get_if<std::string>(&parsed)) {
        err << program << ": " << *usage << " (" << program << " -h shows the usage)\n";
        return 1;
    }
    const auto &command = std::get<CommandLine>(parsed);
    if (command.help) {
        out << HelpText(program);
        return 0;
    }
    const bool toStandardOutput = command.output == kStandardStream;
    if (!command.info && command.input != kStandardStream && !toStandardOutput &&
        SameFile(command.input, command.output)) {
        err << program << ": " << command.input
            << ": the output would replace the HEX file itself\n";
        return 1;
    }

    // What was being done, for a message naming the file it was done to.
    const char *doing = "cannot open";
    try {
        FileOpener opener(command.input);
        doing = "cannot read";
        ConvertOptions options = command.options;
        if (command.info) {
            options = ConvertOptions{};
            options.maxSize = UINT64_MAX;  // the file is described, not imaged
        }
        const Conversion conversion = ConvertText(std::ref(opener), options, opener.Size());
        if (const auto &fault = conversion.error()) {
            err << program << ": " << command.input;
            if (fault->line != 0)
                err << ':' << fault->line;
            err << ": " << fault->message << '\n';
            return 1;
        }
        if (command.info) {
            out << DescribeData(conversion.data(), conversion.startAddress());
            return 0;
        }
        doing = "cannot create";
        OutputFile file =
            toStandardOutput ? OutputFile::StandardOutput() : OutputFile(command.output);
        doing = "cannot write";
        WriteImage(conversion.image(), file);
        file.Commit();
        if (!command.quiet && !toStandardOutput)
            out << DescribeWritten(command.output, conversion.image(), conversion.startAddress());
    } catch (const FileError &e) {
        err << program << ": ";
        if (e.Fault() != FileFault::NotRegular)
            err << doing << ' ';
        err << e.Path() << ": " << e.Reason() << '\n';
        return 1;
    } catch (const std::bad_alloc &) {
        err << program << ": " << command.input << ": not enough memory\n";
        return 1;
    } catch (const std::exception &e) {
        err << program << ": " << command.input << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace hex2bin
