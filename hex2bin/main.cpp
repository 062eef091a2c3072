// hex2bin: converts an Intel HEX file into a binary image (see hex2bin -h).
#include <iostream>
#include <string>
#include <vector>

#include "fileio/output_file.h"
#include "hex2bin/run.h"

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    zolvik::fileio::RemoveTemporariesOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = hex2bin::RunHex2Bin(args, std::cout, std::cerr);
    std::cout.flush();
    std::cerr.flush();
    return status;
}
