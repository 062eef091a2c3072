#pragma once
// The converter program as a routine: arguments in, messages out, exit status back.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace hex2bin {

// Runs the converter on the arguments after the program name. Help goes to `out`; every fault
// goes to `err` as one line starting with `program` and ": ", and gives status 1; success gives
// 0. `program` is the name the messages and the help give the converter, e.g. "zolvik hex2bin"
// when another program offers it as one of its commands.
int RunHex2Bin(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
               std::string_view program = "hex2bin");

}  // namespace hex2bin
