#pragma once
// Line-level rules of the settings file's INI text: what a line holds, how names match and
// how a stored value is cleaned up before it is handed to a reader.
#include <cstddef>
#include <string>
#include <string_view>

namespace zolvik::settings {

enum class LineKind { Other, Section, Key };

// One line of the file, seen without its line end.
struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string_view name;       // section or key name, blanks around it removed
    std::size_t valueStart = 0;  // Key: offset of the value, just after "=" and the blanks after it
};

// "[name]" starts a section (text after "]" is ignored); "name=value" is a key; lines
// starting with ";" or "#", blank lines and anything else are left alone.
LineInfo ClassifyLine(std::string_view line);

// Removes spaces and tabs at both ends.
std::string_view TrimBlanks(std::string_view text);

// Names match without regard to ASCII letter case or blanks around them.
bool SameName(std::string_view a, std::string_view b);

// Longest value a read returns, counted in UTF-16 units as the program's text is.
inline constexpr std::size_t kMaxValueLength = 2047;

// The stored value as a reader sees it: blanks around it removed, then one enclosing pair of
// matching single or double quotes removed, then cut to kMaxValueLength characters without
// splitting a UTF-8 sequence.
std::string CleanValue(std::string_view raw);

}  // namespace zolvik::settings
