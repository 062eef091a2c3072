#pragma once
// The one error of the file layer: which file, what went wrong, and the system's error number
// where the system refused.
#include <stdexcept>
#include <string>

namespace zolvik::fileio {

enum class FileFault {
    System,      // the system refused; Code() holds its error number
    NotRegular,  // a FIFO, a device, a socket or a folder where a file was expected
    UnsafeLink,  // a symbolic link another user may have planted in a shared folder
    TooLarge,    // longer than the reader accepts
};

class FileError : public std::runtime_error {
public:
    FileError(FileFault fault, std::string path, int code, std::string reason);

    FileFault Fault() const { return FFault; }
    // The error number (errno) for System faults and the closest one otherwise.
    int Code() const { return FCode; }
    // The user's file, never a temporary.
    const std::string &Path() const { return FPath; }
    // What went wrong, without the path.
    const std::string &Reason() const { return FReason; }

private:
    FileFault FFault;
    std::string FPath;
    int FCode;
    std::string FReason;
};

// "PATH: reason" for the system's error number.
[[noreturn]] void ThrowSystemError(const std::string &path, int code);

}  // namespace zolvik::fileio
