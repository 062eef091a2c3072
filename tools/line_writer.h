#pragma once
// Line writers for 8-bit text files: every UTF-16 unit of the line becomes one byte, its
// low eight bits, and every line ends in CR LF. Texts are UTF-8 in memory.
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "common/number_text.h"

namespace zolvik {

// The line's bytes as the writers put them out, CR LF not included.
std::string ToLowBytes(std::string_view utf8);

void WriteLineFmt(std::ostream &stream, std::string_view format,
                  std::initializer_list<FormatArg> args, char decimalSeparator);
void WriteLine(std::ostream &stream, std::string_view text);

}  // namespace zolvik
