#pragma once
// The formats of the ROM table writer, their names, the output file each one is written to
// and the default identifier of a table taken from its input's file name.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zolvik {

enum class RomFormat {
    Vhdl,         // constant DATA_ROM of type tRom_Array, to paste into an architecture
    C,            // const unsigned char/word/long word data[]
    CStdint,      // static const uintW_t NAME[E] and NAME_len, for C99 and C++11
    Cpp,          // inline constexpr std::array<std::uintW_t, E> NAME, for C++17
    Verilog,      // one element a line in hexadecimal, the memory file of $readmemh
    Coe,          // Xilinx coefficient file
    Mif,          // Intel memory initialisation file
    VhdlPackage,  // VHDL-93 package NAME_pkg holding the constant NAME
};

struct RomFormatName {
    std::string_view name;
    RomFormat format;
};

// Every format under the name the window and the command line show and accept, the two
// original formats first.
inline constexpr std::array<RomFormatName, 8> kRomFormatNames{{
    {"c", RomFormat::C},
    {"vhdl", RomFormat::Vhdl},
    {"c-stdint", RomFormat::CStdint},
    {"cpp", RomFormat::Cpp},
    {"verilog", RomFormat::Verilog},
    {"coe", RomFormat::Coe},
    {"mif", RomFormat::Mif},
    {"vhdl-package", RomFormat::VhdlPackage},
}};

// The format of a name of kRomFormatNames (exact, lower case), or nothing.
std::optional<RomFormat> RomFormatFromName(std::string_view name);
std::string_view RomFormatNameOf(RomFormat format);

// Whether the format declares a table under a name (C, VHDL and the three declaring
// formats); the memory files hold the elements alone.
bool RomFormatHasName(RomFormat format);

// Whether the format cannot do without a name: those that declare one of their own
// (c-stdint, cpp, vhdl-package) and have no empty table either.
bool RomFormatRequiresName(RomFormat format);

// The extension of the format's output file: ".txt" for C and VHDL, as always; ".h",
// ".hpp", ".mem", ".coe", ".mif" and ".vhd" for the others.
std::string_view RomFormatExtension(RomFormat format);

// The input's name with its extension (from the last "." of the file name on) replaced by
// the format's extension; a name without extension gets it appended.
std::string RomTableOutputName(std::string_view inputName, RomFormat format = RomFormat::C);

// The identifier `xxd -i` would make of the file name without its folders: every character
// that is not an ASCII letter, digit or "_" becomes "_", and a leading digit gets "_" in
// front ("2 rom.bin" gives "_2_rom_bin").
std::string RomTableDefaultName(std::string_view inputName);

}  // namespace zolvik
