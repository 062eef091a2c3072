#pragma once
// The hexadecimal digits both record formats are written in, and what is said of a line that
// holds something else.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hex2bin {

// What is wrong with a record holding a blank or a NUL byte between its first and last
// character (a damaged or binary file); nothing when it holds neither.
std::optional<std::string> BlankOrNulInside(std::string_view record);

// Decodes the digit pairs of `digits` (an even number of them) into `bytes`, adding every byte
// to `sum`. Returns what is wrong with the first character that is not a hexadecimal digit.
std::optional<std::string> DecodeHexBytes(std::string_view digits, std::uint8_t *bytes,
                                          unsigned &sum);

// What is said of a line cut at the reader's limit: its first fault if it shows one before the
// cut, else that it is longer than `longest` characters, the most a record of its kind takes.
std::string CutLineFault(std::string_view line, char marker, std::size_t longest);

}  // namespace hex2bin
