// Writes the ROM table of one file with the first-run settings of the "Create" button.
#include <cstdio>
#include <exception>

#include "tools/rom_table.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s INPUT\n", argc > 0 ? argv[0] : "bench_rom_table");
        return 2;
    }
    const zolvik::RomTableLayout firstRun{1, zolvik::RomFormat::C, 8, 1};
    try {
        const std::string output = zolvik::WriteRomTableFile(argv[1], firstRun);
        std::printf("%s\n", output.c_str());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
