#pragma once
// Whole-file access for the settings file: reading it in one go, and replacing it all or
// nothing so that a failed write never leaves a lost or half-written file.
#include <cstdint>
#include <string>
#include <string_view>

namespace zolvik::settings {

// A larger file is not a settings file: it reads as unreadable and is never replaced.
inline constexpr std::uint64_t kLargestSettingsFile = 16 * 1024 * 1024;

struct FileContent {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
};

// Missing means there is no file at the path; anything else that prevents reading it (a
// folder or a FIFO in its place, no permission, an input/output error, more than
// kLargestSettingsFile bytes) is Unreadable.
FileContent ReadWholeFile(const std::string &path);

// Replaces the file through the file layer (its rules on links, permissions and file kinds).
// Returns false when the file could not be replaced; the old file is then untouched.
bool ReplaceWholeFile(const std::string &path, std::string_view bytes);

}  // namespace zolvik::settings
