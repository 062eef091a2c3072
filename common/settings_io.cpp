#include "common/settings_io.h"

#include <cerrno>

#include "fileio/file_error.h"
#include "fileio/input_file.h"
#include "fileio/output_file.h"

namespace zolvik::settings {

FileContent ReadWholeFile(const std::string &path)
{
    FileContent result;
    try {
        result.bytes = fileio::ReadWholeFile(path, kLargestSettingsFile);
        result.status = FileContent::Status::Read;
    } catch (const fileio::FileError &error) {
        const bool missing = error.Fault() == fileio::FileFault::System && error.Code() == ENOENT;
        result.status = missing ? FileContent::Status::Missing : FileContent::Status::Unreadable;
    }
    return result;
}

bool ReplaceWholeFile(const std::string &path, std::string_view bytes)
{
    try {
        fileio::WriteWholeFile(path, bytes);
        return true;
    } catch (const fileio::FileError &) {
        return false;
    }
}

}  // namespace zolvik::settings
