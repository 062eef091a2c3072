#pragma once
// Writing a user's file all or nothing. Every writer of the program goes through OutputFile,
// which keeps these rules:
// 1. The bytes go to a temporary file in the target's folder (an unnamed O_TMPFILE where the
//    file system has them, else a short hidden ".NAME-XXXXXX"), are flushed, and replace the
//    target by rename only when complete; the folder is flushed after.
// 2. An existing target keeps its permission bits, and its owner where the process may set it.
// 3. An existing target without write permission is refused (EACCES) and left as it is, also
//    for root.
// 4. A FIFO, device, socket or folder in the target's place is refused (NotRegular).
// 5. A symbolic link is kept and its final target written, unless a link of the chain is
//    owned by another user (not root) and stands in a world-writable folder: such a link,
//    as planted in /tmp, is refused (UnsafeLink) and nothing is written anywhere.
// Messages name the user's file, never the temporary.
#include <cstddef>
#include <string>
#include <string_view>

namespace zolvik::fileio {

class OutputFile {
public:
    // Checks the target against the rules and opens the temporary. Throws FileError.
    explicit OutputFile(const std::string &path);
    // Writes straight to the process's standard output; Commit flushes. Named "-".
    static OutputFile StandardOutput();

    OutputFile(OutputFile &&other) noexcept;
    OutputFile &operator=(OutputFile &&) = delete;
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;
    // Without Commit, nothing replaces the target and the temporary goes.
    ~OutputFile();

    void Write(const void *data, std::size_t count);
    void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
    // Flushes, moves the new file into the target's place and flushes the folder.
    void Commit();

    // The name the user gave.
    const std::string &Path() const { return FPath; }

private:
    struct StandardOutputTag {};
    explicit OutputFile(StandardOutputTag);
    void Flush();
    void Discard() noexcept;

    std::string FPath;       // as given
    std::string FTarget;     // the regular file to replace: the link's final target
    std::string FTemporary;  // a named temporary, empty while unnamed
    int FFd = -1;
    bool FUnnamed = false;
    bool FStandardOutput = false;
    bool FCommitted = false;
    std::string FBuffer;
};

// The whole file in one go, by the same rules.
void WriteWholeFile(const std::string &path, std::string_view bytes);

// Removes named temporaries when SIGINT, SIGTERM or SIGHUP ends the process, then lets the
// signal end it. For command-line programs; unnamed temporaries need nothing.
void RemoveTemporariesOnSignals();

namespace testing {
// Forces named temporaries, as on file systems without O_TMPFILE.
void UseNamedTemporaries(bool named);
}  // namespace testing

}  // namespace zolvik::fileio
