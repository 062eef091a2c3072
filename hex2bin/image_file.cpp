#include "hex2bin/image_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <system_error>

namespace hex2bin {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void Fail(const std::string &what, int error)
{
    throw std::runtime_error(what + ": " + std::generic_category().message(error));
}

// Opens a file of a fresh name beside `path`; fails rather than reuse an existing one.
File CreateTemporary(const std::filesystem::path &path, std::filesystem::path &name)
{
    std::random_device entropy;
    std::mt19937_64 random((std::uint64_t{entropy()} << 32) ^ entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".tmp%012llx",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        name = path;
        name += suffix;
        errno = 0;
        if (std::FILE *file = std::fopen(name.c_str(), "wbx"))
            return File(file);
        if (errno != EEXIST)
            Fail("cannot create " + name.string(), errno);
    }
    Fail("cannot create a temporary file beside " + path.string(), EEXIST);
}

void WriteAll(std::FILE *file, const std::uint8_t *bytes, std::size_t count,
              const std::filesystem::path &name)
{
    if (count != 0 && std::fwrite(bytes, 1, count, file) != count)
        Fail("cannot write " + name.string(), errno);
}

void WriteFill(std::FILE *file, std::uint8_t fill, std::uint64_t count,
               const std::filesystem::path &name)
{
    static thread_local std::vector<std::uint8_t> block;
    if (count == 0)
        return;
    block.assign(static_cast<std::size_t>(std::min<std::uint64_t>(count, kBlockSize)), fill);
    while (count > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, block.size()));
        WriteAll(file, block.data(), n, name);
        count -= n;
    }
}

}  // namespace

std::string ReadWholeFile(const std::string &path)
{
    errno = 0;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        Fail("cannot open " + path, errno);
    std::string text;
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    // One block more than the file, so the read that finds its end needs no larger string.
    if (!sizeError)
        text.reserve(static_cast<std::size_t>(size) + kBlockSize);
    std::size_t used = 0;
    for (;;) {
        text.resize(used + kBlockSize);
        const std::size_t got = std::fread(text.data() + used, 1, kBlockSize, file.get());
        used += got;
        if (got < kBlockSize)
            break;
    }
    text.resize(used);
    if (std::ferror(file.get()))
        Fail("cannot read " + path, errno);
    return text;
}

void WriteImageFile(const BinaryImage &image, const std::string &path)
{
    const std::filesystem::path target(path);
    std::filesystem::path temporary;
    File file = CreateTemporary(target, temporary);
    try {
        // The runs are written straight from where they lie; the buffer only gathers small pieces.
        std::setvbuf(file.get(), nullptr, _IOFBF, kBlockSize);
        std::uint64_t at = image.start;
        for (const ByteRun &run : image.runs) {
            WriteFill(file.get(), image.fill, run.address - at, temporary);
            WriteAll(file.get(), run.bytes, run.count, temporary);
            at = run.End();
        }
        WriteFill(file.get(), image.fill, image.start + image.length - at, temporary);
        if (std::fclose(file.release()) != 0)
            Fail("cannot write " + temporary.string(), errno);
        std::error_code renameError;
        std::filesystem::rename(temporary, target, renameError);
        if (renameError)
            throw std::runtime_error("cannot write " + path + ": " + renameError.message());
    } catch (...) {
        file.reset();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
}

}  // namespace hex2bin
