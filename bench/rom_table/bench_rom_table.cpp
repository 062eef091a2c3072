// Writes the ROM table of one file, by default with the first-run settings of the "Create"
// button; a format name and an element size select any other table.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>

#include "tools/rom_table.h"

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s INPUT [FORMAT [ELEMENT_BYTES]]\n",
                     argc > 0 ? argv[0] : "bench_rom_table");
        return 2;
    }
    zolvik::RomTableLayout layout{1, zolvik::RomFormat::C, 8, 1};
    if (argc > 2) {
        const std::optional<zolvik::RomFormat> format = zolvik::RomFormatFromName(argv[2]);
        if (!format) {
            std::fprintf(stderr, "unknown format %s\n", argv[2]);
            return 2;
        }
        layout.format = *format;
    }
    if (argc > 3)
        layout.elementBytes = std::atoi(argv[3]);
    try {
        const std::string output = zolvik::WriteRomTableFile(argv[1], layout);
        std::printf("%s\n", output.c_str());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
