#pragma once
// Pieces of the C sources the tools write for a C99 compiler: names and hexadecimal lists.
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace zolvik {

// A letter or '_' followed by letters, digits and '_' (ASCII only).
bool IsCIdentifier(std::string_view name);

// The name with its ASCII letters in upper case, for macro names.
std::string UpperCaseName(std::string_view name);

// The bytes read as little-endian elements of elementBytes (1, 2 or 4) bytes each, written as
// "0x" and 2 x elementBytes upper-case digits, separated by ", ", perLine to a line indented by
// four blanks, every line ending in "," and CR LF. A trailing part element is zero-filled.
void WriteHexElements(std::ostream &stream, std::span<const std::uint8_t> bytes, int elementBytes,
                      int perLine);

}  // namespace zolvik
