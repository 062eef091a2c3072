#pragma once
// The settings file's content as text: finding a key's stored value and producing the content
// with one key set, every other byte left as it was.
//
// Only the first section of a given name is used; a later section of the same name is kept
// but never read or written. Within the section the first line of the key wins.
#include <optional>
#include <string>
#include <string_view>

namespace zolvik::settings {

// The key's raw value (the text after "=" and the blanks after it, up to the line end), or
// nothing when the section or the key is missing.
std::optional<std::string> FindRawValue(std::string_view content, std::string_view section,
                                        std::string_view key);

// The content with the key set to `value` (which must not hold a line end):
// - an existing key line keeps everything up to its value, only the value is replaced;
// - a missing key is added after the last key line of the section (after its header when it
//   has none);
// - a missing section is added at the end of the file, after a blank line.
// New lines end like the file's first line (CR LF for a file without line ends); a UTF-8 byte
// order mark at the start is kept.
std::string WithValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace zolvik::settings
