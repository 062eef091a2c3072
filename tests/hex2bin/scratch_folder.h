#pragma once
// A fresh folder for one test's files, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace hex2bin::test {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device entropy;
        path_ = std::filesystem::temp_directory_path() /
                ("hex2bin test " + std::to_string(entropy()) + std::to_string(entropy()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::string File(const std::string &name) const { return (path_ / name).string(); }

    std::string Write(const std::string &name, const std::string &content) const
    {
        std::ofstream(path_ / name, std::ios::binary) << content;
        return File(name);
    }

    // The names of the files in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace hex2bin::test
