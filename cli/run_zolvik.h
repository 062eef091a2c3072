#pragma once
// The `zolvik` program as a routine: arguments in, text and messages out, exit status back.
#include <ostream>
#include <string>
#include <vector>

namespace zolvik::cli {

// Runs the arguments after the program name. Help, version and printed results go to `out`;
// a usage fault prints the message and the usage to `err` and gives 2; a fault in the input
// gives one line "zolvik COMMAND: ...: what is wrong" on `err` and 1; success gives 0.
int RunZolvik(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

}  // namespace zolvik::cli
