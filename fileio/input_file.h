#pragma once
// Reading a user's file: regular files only, so that a FIFO, a device or a folder is refused at
// once instead of blocking or never ending, and in bounded pieces.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zolvik::fileio {

class InputFile {
public:
    // Opens a regular file for reading. Throws FileError: System (missing, no permission...),
    // NotRegular (FIFO, device, socket, folder).
    static InputFile Open(const std::string &path);
    // The process's standard input, whatever it is (a pipe, a terminal, a file); named "-".
    static InputFile StandardInput();

    InputFile(InputFile &&other) noexcept;
    InputFile &operator=(InputFile &&other) noexcept;
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;
    ~InputFile();

    // Up to `count` bytes; 0 only at the end. Throws FileError on a read failure.
    std::size_t Read(char *buffer, std::size_t count);
    // Exactly `count` bytes, or fewer only at the end of the file.
    std::size_t ReadFull(char *buffer, std::size_t count);
    // The size of a regular file when opened; none for standard input that is not a file.
    std::optional<std::uint64_t> Size() const { return FSize; }
    const std::string &Path() const { return FPath; }

private:
    InputFile(int fd, std::string path, std::optional<std::uint64_t> size, bool owned);
    void Close() noexcept;

    int FFd = -1;
    std::string FPath;
    std::optional<std::uint64_t> FSize;
    bool FOwned = true;
};

// The whole of a regular file. Throws FileError, TooLarge when it holds more than `limit` bytes.
std::string ReadWholeFile(const std::string &path, std::uint64_t limit);

// Whether `path` names an existing entry of any kind (links not followed).
bool Exists(const std::string &path);

// Whether both names lead to the same file (through links or other paths); false when either
// does not exist.
bool SameFile(const std::string &first, const std::string &second);

// Whether the user may create files in `folder`. A folder without any write bit counts as not
// writable also for root, who could otherwise write anywhere.
bool FolderIsWritable(const std::string &folder);

}  // namespace zolvik::fileio
