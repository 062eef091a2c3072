#include "fileio/file_error.h"

#include <system_error>
#include <utility>

namespace zolvik::fileio {

FileError::FileError(FileFault fault, std::string path, int code, std::string reason)
    : std::runtime_error(path + ": " + reason), FFault(fault), FPath(std::move(path)), FCode(code),
      FReason(std::move(reason))
{}

void ThrowSystemError(const std::string &path, int code)
{
    throw FileError(FileFault::System, path, code, std::generic_category().message(code));
}

}  // namespace zolvik::fileio
