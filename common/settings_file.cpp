#include "common/settings_file.h"

#include "common/settings_document.h"
#include "common/settings_io.h"
#include "common/settings_text.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <stdexcept>
#include <utility>

namespace zolvik {

namespace {

// Names that could not be found again once written (or that would change other lines) are a
// programming error, not a write failure.
void CheckNames(const std::string &section, const std::string &key)
{
    const std::string_view sectionName = settings::TrimBlanks(section);
    const std::string_view keyName = settings::TrimBlanks(key);
    const bool badSection =
        sectionName.empty() || sectionName.find_first_of("]\r\n") != std::string_view::npos;
    const bool badKey = keyName.empty() ||
                        keyName.find_first_of("=\r\n") != std::string_view::npos ||
                        keyName.front() == '[' || keyName.front() == ';' || keyName.front() == '#';
    if (badSection || badKey)
        throw std::invalid_argument("Invalid settings name [" + section + "] " + key);
}

// A value is one line of the file: line breaks in it are stored as blanks.
std::string OneLine(std::string value)
{
    for (char &c : value)
        if (c == '\r' || c == '\n')
            c = ' ';
    return value;
}

}  // namespace

SettingsFile::SettingsFile(std::string path) : FPath(std::move(path)) {}

std::string SettingsFile::ReadString(const std::string &section, const std::string &key,
                                     const std::string &defaultValue) const
{
    const settings::FileContent file = settings::ReadWholeFile(FPath);
    if (file.status != settings::FileContent::Status::Read)
        return defaultValue;
    const std::optional<std::string> raw = settings::FindRawValue(file.bytes, section, key);
    return raw ? settings::CleanValue(*raw) : defaultValue;
}

std::int32_t SettingsFile::ReadInteger(const std::string &section, const std::string &key,
                                       std::int32_t defaultValue) const
{
    return StrToIntDef(ReadString(section, key, ""), defaultValue);
}

bool SettingsFile::ReadBool(const std::string &section, const std::string &key,
                            bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void SettingsFile::WriteString(const std::string &section, const std::string &key,
                               const std::string &value)
{
    WriteValues({{section, key, value}});
}

void SettingsFile::WriteValues(const std::vector<Value> &values)
{
    for (const Value &entry : values)
        CheckNames(entry.section, entry.key);
    const settings::FileContent file = settings::ReadWholeFile(FPath);
    // A file that exists but cannot be read must not be replaced by one holding only these keys.
    if (file.status == settings::FileContent::Status::Unreadable)
        throw Error("Unable to write to " + FPath);
    std::string updated = file.bytes;
    for (const Value &entry : values)
        updated = settings::WithValue(updated, entry.section, entry.key, OneLine(entry.value));
    if (!settings::ReplaceWholeFile(FPath, updated))
        throw Error("Unable to write to " + FPath);
}

void SettingsFile::WriteInteger(const std::string &section, const std::string &key,
                                std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(const std::string &section, const std::string &key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace zolvik
