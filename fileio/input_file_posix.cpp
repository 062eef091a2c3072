// The POSIX side of reading: regular files only, opened without blocking.
#include "fileio/input_file.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fileio/file_error.h"
#include "fileio/file_kind.h"

namespace zolvik::fileio {

namespace {

[[noreturn]] void ThrowNotRegular(const std::string &path, mode_t mode)
{
    throw FileError(FileFault::NotRegular, path, S_ISDIR(mode) ? EISDIR : EINVAL,
                    NotRegularReason(mode));
}

}  // namespace

InputFile::InputFile(int fd, std::string path, std::optional<std::uint64_t> size, bool owned)
    : FFd(fd), FPath(std::move(path)), FSize(size), FOwned(owned)
{}

InputFile InputFile::Open(const std::string &path)
{
    // Looked at before opening, since opening some devices already acts on them.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        ThrowSystemError(path, errno);
    if (!S_ISREG(info.st_mode))
        ThrowNotRegular(path, info.st_mode);
    // Non-blocking, in case the name was replaced by a FIFO meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        ThrowSystemError(path, errno);
    InputFile file(fd, path, std::nullopt, true);
    if (::fstat(fd, &info) != 0)
        ThrowSystemError(path, errno);
    if (!S_ISREG(info.st_mode))
        ThrowNotRegular(path, info.st_mode);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        ThrowSystemError(path, errno);
    file.FSize = static_cast<std::uint64_t>(info.st_size);
    return file;
}

InputFile InputFile::StandardInput()
{
    struct stat info {};
    std::optional<std::uint64_t> size;
    if (::fstat(STDIN_FILENO, &info) == 0 && S_ISREG(info.st_mode))
        size = static_cast<std::uint64_t>(info.st_size);
    return InputFile(STDIN_FILENO, "-", size, false);
}

InputFile::InputFile(InputFile &&other) noexcept
    : FFd(std::exchange(other.FFd, -1)), FPath(std::move(other.FPath)), FSize(other.FSize),
      FOwned(other.FOwned)
{}

InputFile &InputFile::operator=(InputFile &&other) noexcept
{
    if (this != &other) {
        Close();
        FFd = std::exchange(other.FFd, -1);
        FPath = std::move(other.FPath);
        FSize = other.FSize;
        FOwned = other.FOwned;
    }
    return *this;
}

InputFile::~InputFile()
{
    Close();
}

void InputFile::Close() noexcept
{
    if (FFd >= 0 && FOwned)
        ::close(FFd);
    FFd = -1;
}

std::size_t InputFile::Read(char *buffer, std::size_t count)
{
    for (;;) {
        const ssize_t got = ::read(FFd, buffer, count);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            ThrowSystemError(FPath, errno);
    }
}

std::size_t InputFile::ReadFull(char *buffer, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const std::size_t got = Read(buffer + done, count - done);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

std::string ReadWholeFile(const std::string &path, std::uint64_t limit)
{
    InputFile file = InputFile::Open(path);
    const auto tooLarge = [&] {
        return FileError(FileFault::TooLarge, path, EFBIG,
                         "Larger than " + std::to_string(limit) + " bytes");
    };
    if (file.Size() && *file.Size() > limit)
        throw tooLarge();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(file.Size().value_or(0)));
    char buffer[64 * 1024];
    while (const std::size_t got = file.Read(buffer, sizeof buffer)) {
        if (bytes.size() + got > limit)
            throw tooLarge();
        bytes.append(buffer, got);
    }
    return bytes;
}

bool Exists(const std::string &path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool SameFile(const std::string &first, const std::string &second)
{
    struct stat a {
    }, b{};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool FolderIsWritable(const std::string &folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    if (::geteuid() == 0 && (info.st_mode & 0222) == 0)
        return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace zolvik::fileio
