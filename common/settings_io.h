#pragma once
// Whole-file access for the settings file: reading it in one go, and replacing it all or
// nothing so that a failed write never leaves a lost or half-written file.
#include <string>
#include <string_view>

namespace zolvik::settings {

struct FileContent {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
};

// Missing means there is no file at the path; anything else that prevents reading it (a
// folder in its place, no permission, an input/output error) is Unreadable.
FileContent ReadWholeFile(const std::string &path);

// Writes `bytes` to a new temporary file beside the target, flushes it to disk and renames
// it over the target. A symbolic link is written through to the file it points to. Refuses
// an existing file that is not a regular file or that the user may not write to. Returns
// false when the file could not be replaced; the old file is then untouched and no
// temporary file remains.
bool ReplaceWholeFile(const std::string &path, std::string_view bytes);

}  // namespace zolvik::settings
