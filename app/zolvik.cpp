// zolvik: the generators of the window on the command line (see zolvik --help).
#include <iostream>
#include <string>
#include <vector>

#include "cli/run_zolvik.h"
#include "fileio/output_file.h"

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    zolvik::fileio::RemoveTemporariesOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = zolvik::cli::RunZolvik(args, std::cout, std::cerr);
    std::cout.flush();
    std::cerr.flush();
    return status;
}
