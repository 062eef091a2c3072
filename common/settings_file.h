#pragma once
// The INI-format store behind the program's settings: case-insensitive sections and keys,
// trimmed values with one pair of quotes removed, at most 2047 characters per value.
// Every read and write goes to the file when it is made; a write replaces the file only
// with a complete new one (temporary file in the same folder, then rename).
#include <cstdint>
#include <string>
#include <vector>

namespace zolvik {

class SettingsFile {
public:
    explicit SettingsFile(std::string path);

    const std::string &Path() const { return FPath; }

    std::string ReadString(const std::string &section, const std::string &key,
                           const std::string &defaultValue) const;
    std::int32_t ReadInteger(const std::string &section, const std::string &key,
                             std::int32_t defaultValue) const;
    bool ReadBool(const std::string &section, const std::string &key, bool defaultValue) const;

    // Each throws Error("Unable to write to <path>") when the file cannot be written, and
    // std::invalid_argument for a name that could not be found again (empty, a line break, "]"
    // in a section, "=" in a key or a key starting with "[", ";" or "#"). Line breaks in a
    // value are stored as blanks, since a value is one line of the file.
    void WriteString(const std::string &section, const std::string &key, const std::string &value);
    void WriteInteger(const std::string &section, const std::string &key, std::int32_t value);
    void WriteBool(const std::string &section, const std::string &key, bool value);

    // Several values in one rewrite of the file, in the order given: the file's bytes are
    // those the single writes would leave, but it is read and replaced once.
    struct Value {
        std::string section;
        std::string key;
        std::string value;
    };
    void WriteValues(const std::vector<Value> &values);

private:
    std::string FPath;
};

}  // namespace zolvik
