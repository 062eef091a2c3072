// The ROM table writer's file side: read-only input, complete-or-nothing output, and the
// messages of input/output errors by number.
#include <cerrno>
#include <string>

#include "fileio/file_error.h"
#include "fileio/input_file.h"
#include "fileio/output_file.h"
#include "common/errors.h"
#include "tools/rom_table.h"

namespace zolvik {

namespace {

constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kReadBeyondEnd = 100;
constexpr int kDiskFull = 101;
constexpr int kInvalidInput = 106;
// errno's EIO has the number of "File access denied"; it is reported under the number
// the system gives a device input/output failure instead.
constexpr int kDeviceIoError = 1117;

// The name that stands for standard input or standard output.
constexpr const char *kStandardStream = "-";

[[noreturn]] void ThrowIoError(int number)
{
    throw Error(IoErrorMessage(number));
}
[[noreturn]] void ThrowErrno(int errnoValue)
{
    ThrowIoError(IoErrorNumberFromErrno(errnoValue));
}

// The numbered message of a system refusal; the file layer's own text for the rest (a FIFO,
// a device or a folder, or a planted link), which has no number.
[[noreturn]] void ThrowFileError(const fileio::FileError &error)
{
    if (error.Fault() == fileio::FileFault::System)
        ThrowErrno(error.Code());
    throw Error(error.what());
}

std::string ReadToEnd(fileio::InputFile &input)
{
    std::string bytes;
    std::size_t filled = 0;
    for (;;) {
        bytes.resize(filled + kRomTableReadChunk);
        const std::size_t got = input.Read(bytes.data() + filled, kRomTableReadChunk);
        filled += got;
        if (got == 0)
            break;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace

std::string IoErrorMessage(int number)
{
    switch (number) {
    case kFileNotFound: return "The specified file was not found";
    case kPathNotFound: return "Invalid file name - %s";
    case kTooManyOpenFiles: return "Too many open files";
    case kAccessDenied: return "File access denied";
    case kReadBeyondEnd: return "Read beyond end of file";
    case kDiskFull: return "Disk full";
    case kInvalidInput: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(number);
    }
}

int IoErrorNumberFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return kPathNotFound;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY: return kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    case EIO: return kDeviceIoError;
    default: return errnoValue;
    }
}

std::string WriteRomTableFile(const std::string &inputPath, const RomTableLayout &givenLayout)
{
    const RomTableLayout layout = RomTableLayoutForInput(givenLayout, inputPath);
    const std::string outputName = RomTableOutputName(inputPath, layout.format);
    WriteRomTableFile(inputPath, outputName, layout);
    return outputName;
}

void WriteRomTableFile(const std::string &inputPath, const std::string &outputPath,
                       const RomTableLayout &layout)
{
    if (layout.elementBytes != 1 && layout.elementBytes != 2 && layout.elementBytes != 4)
        throw Error("Invalid element size");
    const bool standardInput = inputPath == kStandardStream;
    const bool standardOutput = outputPath == kStandardStream;
    if (!standardInput && !standardOutput &&
        (inputPath == outputPath || fileio::SameFile(inputPath, outputPath)))
        throw Error("The table would overwrite its own input file " + outputPath);

    try {
        fileio::InputFile input =
            standardInput ? fileio::InputFile::StandardInput() : fileio::InputFile::Open(inputPath);
        // The table states its element count first: a stream of unknown length is held whole.
        std::string held;
        if (!input.Size())
            held = ReadToEnd(input);
        const std::uint64_t inputBytes = input.Size() ? *input.Size() : held.size();
        std::size_t heldOffset = 0;
        fileio::OutputFile output =
            standardOutput ? fileio::OutputFile::StandardOutput() : fileio::OutputFile(outputPath);
        WriteRomTable(
            inputBytes, layout,
            [&](char *buffer, std::size_t count) {
                if (input.Size()) {
                    if (input.ReadFull(buffer, count) != count)
                        ThrowIoError(kReadBeyondEnd);
                    return;
                }
                if (held.size() - heldOffset < count)
                    ThrowIoError(kReadBeyondEnd);
                held.copy(buffer, count, heldOffset);
                heldOffset += count;
            },
            [&](const char *data, std::size_t count) { output.Write(data, count); });
        output.Commit();
    } catch (const fileio::FileError &error) {
        ThrowFileError(error);
    }
}

}  // namespace zolvik
