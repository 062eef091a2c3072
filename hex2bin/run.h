#pragma once
// The converter program as a routine: arguments in, messages out, exit status back.
#include <ostream>
#include <string>
#include <vector>

namespace hex2bin {

// Runs the converter on the arguments after the program name. Help goes to `out`; every fault
// goes to `err` as one line starting "hex2bin: " and gives status 1; success gives 0.
int RunHex2Bin(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

}  // namespace hex2bin
