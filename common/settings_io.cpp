#include "common/settings_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zolvik::settings {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : Fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int Get() const { return Fd; }
    bool Close() {
        if (Fd < 0)
            return true;
        const int fd = Fd;
        Fd = -1;
        return ::close(fd) == 0;
    }

private:
    int Fd;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The process's file creation mask, read without changing it (umask() itself would set it).
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field)
        if (field == "Umask:") {
            std::string octal;
            status >> octal;
            return static_cast<mode_t>(std::strtoul(octal.c_str(), nullptr, 8));
        }
    return 022;
}

// The path the new content must be renamed onto: the link's target for a symbolic link.
std::optional<std::string> RenameTarget(const std::string &path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return std::nullopt;
    return std::string(resolved);
}

void SyncFolderOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());  // the rename is done; a failure here cannot be undone anyway
}

}  // namespace

FileContent ReadWholeFile(const std::string &path) {
    FileContent result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        result.status =
            errno == ENOENT ? FileContent::Status::Missing : FileContent::Status::Unreadable;
        return result;
    }
    result.status = FileContent::Status::Unreadable;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        result.bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    result.status = FileContent::Status::Read;
    return result;
}

bool ReplaceWholeFile(const std::string &path, std::string_view bytes) {
    const std::optional<std::string> target = RenameTarget(path);
    if (!target)
        return false;

    struct stat existing {};
    const bool exists = ::stat(target->c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return false;
    // Renaming would replace a read-only file; the settings file's permission decides instead.
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target->c_str(), W_OK) != 0))
        return false;

    std::string temporary = *target + ".tmpXXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.Get() < 0)
        return false;

    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        // Keeps the owner when a privileged user rewrites someone else's file; an ordinary
        // user cannot change it and the file becomes theirs, as any rewrite would make it.
        if (::fchown(fd.Get(), existing.st_uid, existing.st_gid) != 0) {
        }
    }
    const mode_t mode = exists ? (existing.st_mode & 07777) : (0666 & ~CurrentUmask());
    bool ok = ::fchmod(fd.Get(), mode) == 0;
    ok = ok && WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(temporary.c_str(), target->c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolderOf(*target);
    return true;
}

}  // namespace zolvik::settings
