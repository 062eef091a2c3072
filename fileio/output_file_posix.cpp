// The POSIX side of writing: an unnamed O_TMPFILE linked in when complete, or a short hidden
// named temporary, renamed over the target.
#include "fileio/output_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <random>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fileio/file_error.h"
#include "fileio/file_kind.h"

namespace zolvik::fileio {

namespace {

constexpr std::size_t kBufferSize = 256 * 1024;
constexpr std::size_t kNameMax = 255;
constexpr int kLinkHopsMax = 40;

std::atomic<bool> gNamedOnly{false};

std::string FolderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ---- Named temporaries that a signal must not leave behind ---------------------------------

constexpr std::size_t kSlots = 8;
struct TemporarySlot {
    std::atomic<bool> used{false};
    char path[4096];
};
std::array<TemporarySlot, kSlots> gTemporaries;

int RegisterTemporary(const std::string &path)
{
    if (path.size() >= sizeof gTemporaries[0].path)
        return -1;
    for (std::size_t i = 0; i < kSlots; ++i) {
        TemporarySlot &slot = gTemporaries[i];
        if (slot.used.load())
            continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.used.store(true);
        return static_cast<int>(i);
    }
    return -1;
}

void ReleaseTemporary(const std::string &path)
{
    for (TemporarySlot &slot : gTemporaries)
        if (slot.used.load() && path == slot.path)
            slot.used.store(false);
}

extern "C" void RemoveTemporariesAndDie(int signalNumber)
{
    for (TemporarySlot &slot : gTemporaries)
        if (slot.used.load())
            ::unlink(slot.path);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// A fresh hidden name beside `target`; its length never passes the file system's limit.
std::string HiddenName(const std::string &target, std::mt19937_64 &random)
{
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string base = BaseOf(target);
    const std::size_t room = kNameMax - 8;  // ".", "-" and six letters
    if (base.size() > room)
        base.resize(room);
    std::string name = "." + base + "-";
    for (int i = 0; i < 6; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    const std::string folder = FolderOf(target);
    return target.find('/') == std::string::npos ? name : folder + "/" + name;
}

std::mt19937_64 Seeded()
{
    std::random_device entropy;
    return std::mt19937_64((std::uint64_t{entropy()} << 32) ^ entropy());
}

// ---- The rules on the target ---------------------------------------------------------------

// The regular file (or the place for a new one) that `path` leads to, links followed.
std::string CheckedTarget(const std::string &path)
{
    std::string current = path;
    for (int hop = 0; hop <= kLinkHopsMax; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return current;
            ThrowSystemError(path, errno);
        }
        if (!S_ISLNK(info.st_mode)) {
            if (!S_ISREG(info.st_mode))
                throw FileError(FileFault::NotRegular, path,
                                S_ISDIR(info.st_mode) ? EISDIR : EINVAL,
                                NotRegularReason(info.st_mode));
            const bool noWriteBit = ::geteuid() == 0 && (info.st_mode & 0222) == 0;
            if (noWriteBit)
                ThrowSystemError(path, EACCES);
            if (::faccessat(AT_FDCWD, current.c_str(), W_OK, AT_EACCESS) != 0)
                ThrowSystemError(path, errno);
            return current;
        }
        const std::string folder = FolderOf(current);
        struct stat folderInfo {};
        if (::stat(folder.c_str(), &folderInfo) != 0)
            ThrowSystemError(path, errno);
        const bool ownLink = info.st_uid == ::geteuid() || info.st_uid == 0;
        if (!ownLink && (folderInfo.st_mode & S_IWOTH))
            throw FileError(FileFault::UnsafeLink, current, EACCES,
                            "Symbolic link owned by another user in a shared folder; "
                            "not followed");
        std::string linked(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4095) + 1,
                           '\0');
        const ssize_t length = ::readlink(current.c_str(), linked.data(), linked.size());
        if (length < 0)
            ThrowSystemError(path, errno);
        linked.resize(static_cast<std::size_t>(length));
        current = !linked.empty() && linked.front() == '/' ? linked : folder + "/" + linked;
    }
    ThrowSystemError(path, ELOOP);
}

bool WriteAll(int fd, const char *data, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = ::write(fd, data, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

void SyncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // the new file is in place; a failure here cannot undo that
        ::close(fd);
    }
}

}  // namespace

OutputFile::OutputFile(const std::string &path) : FPath(path)
{
    FTarget = CheckedTarget(path);
    const std::string folder = FolderOf(FTarget);
    struct stat existing {};
    const bool exists = ::stat(FTarget.c_str(), &existing) == 0;

    if (!gNamedOnly.load()) {
        FFd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (FFd >= 0)
            FUnnamed = true;
        else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
            ThrowSystemError(path, errno);
    }
    if (FFd < 0) {
        std::mt19937_64 random = Seeded();
        for (int attempt = 0; attempt < 100 && FFd < 0; ++attempt) {
            FTemporary = HiddenName(FTarget, random);
            FFd = ::open(FTemporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (FFd < 0 && errno != EEXIST)
                ThrowSystemError(path, errno);
        }
        if (FFd < 0)
            ThrowSystemError(path, EEXIST);
        RegisterTemporary(FTemporary);
    }
    if (exists) {
        // The owner first: changing it clears the set-user-ID bits the mode then restores.
        // Only a privileged process can give the file back to another owner.
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) [[maybe_unused]]
            const int ignored = ::fchown(FFd, existing.st_uid, existing.st_gid);
        if (::fchmod(FFd, existing.st_mode & 07777) != 0) {
            const int error = errno;
            Discard();
            ThrowSystemError(path, error);
        }
    }
    FBuffer.reserve(kBufferSize);
}

OutputFile::OutputFile(StandardOutputTag) : FPath("-"), FFd(STDOUT_FILENO), FStandardOutput(true)
{
    FBuffer.reserve(kBufferSize);
}

OutputFile OutputFile::StandardOutput()
{
    return OutputFile(StandardOutputTag{});
}

OutputFile::OutputFile(OutputFile &&other) noexcept
    : FPath(std::move(other.FPath)), FTarget(std::move(other.FTarget)),
      FTemporary(std::move(other.FTemporary)), FFd(std::exchange(other.FFd, -1)),
      FUnnamed(other.FUnnamed), FStandardOutput(other.FStandardOutput),
      FCommitted(std::exchange(other.FCommitted, true)), FBuffer(std::move(other.FBuffer))
{
    other.FTemporary.clear();
}

OutputFile::~OutputFile()
{
    if (!FCommitted)
        Discard();
}

void OutputFile::Discard() noexcept
{
    if (FFd >= 0 && !FStandardOutput)
        ::close(FFd);
    FFd = -1;
    if (!FTemporary.empty()) {
        ::unlink(FTemporary.c_str());
        ReleaseTemporary(FTemporary);
        FTemporary.clear();
    }
}

void OutputFile::Flush()
{
    if (!WriteAll(FFd, FBuffer.data(), FBuffer.size()))
        ThrowSystemError(FPath, errno);
    FBuffer.clear();
}

void OutputFile::Write(const void *data, std::size_t count)
{
    const char *bytes = static_cast<const char *>(data);
    if (FBuffer.size() + count <= kBufferSize) {
        FBuffer.append(bytes, count);
        return;
    }
    Flush();
    if (count >= kBufferSize) {
        if (!WriteAll(FFd, bytes, count))
            ThrowSystemError(FPath, errno);
    } else {
        FBuffer.append(bytes, count);
    }
}

void OutputFile::Commit()
{
    Flush();
    if (FStandardOutput) {
        FCommitted = true;
        return;
    }
    if (::fsync(FFd) != 0 && errno != EINVAL)
        ThrowSystemError(FPath, errno);
    if (FUnnamed) {
        // An unnamed file can only be linked in under a new name; that name then replaces the
        // target, since a link never replaces an existing entry.
        const std::string procPath = "/proc/self/fd/" + std::to_string(FFd);
        std::mt19937_64 random = Seeded();
        for (int attempt = 0; attempt < 100 && FTemporary.empty(); ++attempt) {
            const std::string name = HiddenName(FTarget, random);
            RegisterTemporary(name);
            if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                    0 ||
                ::linkat(FFd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
                FTemporary = name;
                break;
            }
            const int error = errno;
            ReleaseTemporary(name);
            if (error != EEXIST)
                ThrowSystemError(FPath, error);
        }
        if (FTemporary.empty())
            ThrowSystemError(FPath, EEXIST);
    }
    const int fd = std::exchange(FFd, -1);
    if (::close(fd) != 0)
        ThrowSystemError(FPath, errno);
    if (::rename(FTemporary.c_str(), FTarget.c_str()) != 0)
        ThrowSystemError(FPath, errno);
    ReleaseTemporary(FTemporary);
    FTemporary.clear();
    FCommitted = true;
    SyncFolder(FolderOf(FTarget));
}

void WriteWholeFile(const std::string &path, std::string_view bytes)
{
    OutputFile file(path);
    file.Write(bytes);
    file.Commit();
}

void RemoveTemporariesOnSignals()
{
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = RemoveTemporariesAndDie;
        sigemptyset(&action.sa_mask);
        ::sigaction(signalNumber, &action, nullptr);
    }
}

namespace testing {
void UseNamedTemporaries(bool named)
{
    gNamedOnly.store(named);
}
}  // namespace testing

}  // namespace zolvik::fileio
