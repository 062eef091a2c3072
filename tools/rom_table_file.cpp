// The ROM table writer's file side: read-only input, complete-or-nothing output, and the
// messages of input/output errors by number.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "tools/errors.h"
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

[[noreturn]] void ThrowIoError(int number) { throw Error(IoErrorMessage(number)); }
[[noreturn]] void ThrowErrno(int errnoValue) { ThrowIoError(IoErrorNumberFromErrno(errnoValue)); }

class StdioFile {
public:
    StdioFile() = default;
    StdioFile(const StdioFile &) = delete;
    StdioFile &operator=(const StdioFile &) = delete;
    ~StdioFile() { Close(); }

    void Reset(std::FILE *file) { FFile = file; }
    std::FILE *Get() const { return FFile; }
    int Close()
    {
        if (!FFile)
            return 0;
        const int result = std::fclose(FFile);
        FFile = nullptr;
        return result;
    }

private:
    std::FILE *FFile = nullptr;
};

bool SameFile(const std::string &first, const std::string &second)
{
    if (first == second)
        return true;
    std::error_code error;
    const bool same = std::filesystem::equivalent(first, second, error);
    return same && !error;
}

std::uint64_t FileSize(std::FILE *file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        ThrowErrno(errno);
    const long size = std::ftell(file);
    if (size < 0)
        ThrowErrno(errno);
    if (std::fseek(file, 0, SEEK_SET) != 0)
        ThrowErrno(errno);
    return static_cast<std::uint64_t>(size);
}

// A new file beside `outputName`, never one that already exists.
std::FILE *CreateTemporary(const std::string &outputName, std::string &temporaryName)
{
    std::random_device random;
    for (int attempt = 0; attempt < 64; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
        temporaryName = outputName + suffix;
        if (std::FILE *file = std::fopen(temporaryName.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            ThrowErrno(errno);
    }
    ThrowErrno(EEXIST);
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
    if (layout.elementBytes != 1 && layout.elementBytes != 2 && layout.elementBytes != 4)
        throw Error("Invalid element size");
    const std::string outputName = RomTableOutputName(inputPath, layout.format);
    if (SameFile(inputPath, outputName))
        throw Error("The table would overwrite its own input file " + outputName);

    StdioFile input;
    input.Reset(std::fopen(inputPath.c_str(), "rb"));
    if (!input.Get())
        ThrowErrno(errno);
    // Whole chunks go straight between the files and the writer's own buffers.
    std::setvbuf(input.Get(), nullptr, _IONBF, 0);
    const std::uint64_t inputBytes = FileSize(input.Get());

    std::string temporaryName;
    StdioFile output;
    output.Reset(CreateTemporary(outputName, temporaryName));
    try {
        std::setvbuf(output.Get(), nullptr, _IONBF, 0);
        WriteRomTable(
            inputBytes, layout,
            [&](char *buffer, std::size_t count) {
                if (std::fread(buffer, 1, count, input.Get()) != count)
                    ThrowIoError(std::ferror(input.Get()) ? IoErrorNumberFromErrno(errno)
                                                          : kReadBeyondEnd);
            },
            [&](const char *data, std::size_t count) {
                if (std::fwrite(data, 1, count, output.Get()) != count)
                    ThrowErrno(errno);
            });
        if (output.Close() != 0)
            ThrowErrno(errno);
        input.Close();
        std::error_code error;
        std::filesystem::rename(temporaryName, outputName, error);
        if (error)
            ThrowErrno(error.value());
    } catch (...) {
        output.Close();
        std::remove(temporaryName.c_str());
        throw;
    }
    return outputName;
}

}  // namespace zolvik
