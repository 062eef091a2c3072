#pragma once
// A fresh folder for one test's files, removed with everything in it afterwards.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace zolvik::test {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string &prefix = "zolvik test")
    {
        std::random_device entropy;
        FPath = std::filesystem::temp_directory_path() /
                (prefix + " " + std::to_string(entropy()) + std::to_string(entropy()));
        std::filesystem::create_directories(FPath);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(FPath, std::filesystem::perms::all, ignored);
        std::filesystem::remove_all(FPath, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &Path() const { return FPath; }
    std::string File(const std::string &name) const { return (FPath / name).string(); }

    std::string Write(const std::string &name, const std::string &content) const
    {
        std::ofstream(FPath / name, std::ios::binary) << content;
        return File(name);
    }

    static std::string Read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The names in the folder, hidden ones included, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(FPath))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path FPath;
};

// The bytes of a file, none when it cannot be read.
inline std::vector<std::uint8_t> ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace zolvik::test
