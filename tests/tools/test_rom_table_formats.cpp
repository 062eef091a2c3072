// The formats added to the ROM table writer, and the name, byte order and pad options on
// every format, against hand-worked text.
#include <gtest/gtest.h>

#include <string>

#include "common/errors.h"
#include "tools/rom_table.h"

namespace zolvik {
namespace {

RomTableLayout Layout(RomFormat format, int elementBytes, bool bigEndian = false,
                      std::optional<std::uint8_t> pad = {}, std::int32_t columns = 8)
{
    RomTableLayout layout{elementBytes, format, columns, 1};
    layout.name = "rom";
    layout.bigEndian = bigEndian;
    layout.pad = pad;
    return layout;
}

const std::string kStdint = "#include <stdint.h>\r\n#include <stddef.h>\r\n";
const std::string kCoe = "memory_initialization_radix=16;\r\nmemory_initialization_vector=\r\n";
const std::string kMifRadix = "ADDRESS_RADIX=HEX;\r\nDATA_RADIX=HEX;\r\nCONTENT BEGIN\r\n";
const std::string kPackage =
    "library ieee;\r\nuse ieee.std_logic_1164.all;\r\npackage rom_pkg is\r\n";

TEST(RomTableFormats, HandWorkedText)
{
    const std::string abc("\x01\xA2\x03", 3), five("\x01\x02\x03\x04\x05", 5);
    RomTableLayout unnamedVhdl = Layout(RomFormat::Vhdl, 1, true, 0x99);
    unnamedVhdl.name.clear();
    const struct {
        RomTableLayout layout;
        std::string input, expected;
    } cases[] = {
        {Layout(RomFormat::CStdint, 1), "\x7F",
         kStdint + "static const uint8_t rom[1] = {\r\n\t0x7F\r\n};\r\nstatic const size_t rom_len "
                   "= 1;\r\n"},
        {Layout(RomFormat::CStdint, 2, false, 0xFF, 2), five,  // padded, two to a line
         kStdint + "static const uint16_t rom[3] = {\r\n\t0x0201, 0x0403,\r\n\t0xFF05\r\n};\r\n"
                   "static const size_t rom_len = 3;\r\n"},
        {Layout(RomFormat::Cpp, 4, true), "\x01\x02\x03\x04\x05\x06\x07\x08",
         "#include <array>\r\n#include <cstdint>\r\ninline constexpr std::array<std::uint32_t, 2> "
         "rom = "
         "{\r\n\t0x01020304, 0x05060708\r\n};\r\n"},
        {Layout(RomFormat::Verilog, 1), abc, "01\r\nA2\r\n03\r\n"},
        {Layout(RomFormat::Verilog, 4), five, "04030201\r\n"},  // the remainder is left out
        {Layout(RomFormat::Verilog, 4, true, 0), five, "01020304\r\n05000000\r\n"},
        {Layout(RomFormat::Coe, 1, false, {}, 2), abc, kCoe + "\t01, A2,\r\n\t03;\r\n"},
        {Layout(RomFormat::Coe, 2), "\x01\x02", kCoe + "\t0201;\r\n"},
        {Layout(RomFormat::Mif, 2, true, 0x55), abc,
         "WIDTH=16;\r\nDEPTH=2;\r\n" + kMifRadix + "0 : 01A2;\r\n1 : 0355;\r\nEND;\r\n"},
        {Layout(RomFormat::VhdlPackage, 1), "\xFE",
         kPackage +
             "type rom_t is array (0 to 0) of std_logic_vector(7 downto 0);\r\n"
             "constant rom : rom_t := (\r\n\t0 => x\"FE\"\r\n);\r\nend package rom_pkg;\r\n"},
        {Layout(RomFormat::VhdlPackage, 2, true, {}, 1), five,
         kPackage + "type rom_t is array (0 to 1) of std_logic_vector(15 downto 0);\r\n"
                    "constant rom : rom_t := (\r\n\t0 => x\"0102\",\r\n\t1 => x\"0304\"\r\n);\r\n"
                    "end package rom_pkg;\r\n"},
        // The original formats take the new options; without a name they keep theirs.
        {Layout(RomFormat::C, 2, true, 0), abc,
         "const unsigned word rom[] = {\r\n\t0x01A2, 0x0300 \r\n};\r\n"},
        {unnamedVhdl, abc,
         "type tRom_Array is array(0 to 2) of std_logic_vector(7 downto 0);\r\n"
         "constant DATA_ROM :  tRom_Array := (\r\n\tx\"01\", x\"A2\", x\"03\" \r\n);\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RomTableText(c.input, c.layout), c.expected) << RomFormatNameOf(c.layout.format);
}

TEST(RomTableFormats, IndexesGrowADigitAndAddressesArePadded)
{
    std::string seventeen;
    for (char i = 0; i < 17; ++i)
        seventeen += i;
    const std::string package =
        RomTableText(seventeen.substr(0, 11), Layout(RomFormat::VhdlPackage, 1, false, {}, 0));
    EXPECT_NE(package.find(", 9 => x\"09\", 10 => x\"0A\"\r\n"), std::string::npos);
    const std::string mif = RomTableText(seventeen, Layout(RomFormat::Mif, 1));
    EXPECT_NE(mif.find("BEGIN\r\n00 : 00;\r\n"), std::string::npos);
    EXPECT_NE(mif.find("\r\n09 : 09;\r\n0A : 0A;\r\n"), std::string::npos);
    EXPECT_NE(mif.find("\r\n10 : 10;\r\nEND;\r\n"), std::string::npos);
}

TEST(RomTableFormats, EmptyInput)
{
    for (RomFormat format : {RomFormat::CStdint, RomFormat::Cpp, RomFormat::VhdlPackage}) {
        bool wrote = false;
        EXPECT_THROW(WriteRomTable(
                         0, Layout(format, 1, false, 0), [](char *, std::size_t) {},
                         [&](const char *, std::size_t) { wrote = true; }),
                     Error);
        EXPECT_FALSE(wrote);
        EXPECT_THROW(RomTableText("abc", Layout(format, 4)), Error);  // no whole element
    }
    EXPECT_EQ(RomTableText("", Layout(RomFormat::Verilog, 1)), "");
    EXPECT_EQ(RomTableText("", Layout(RomFormat::Coe, 1)), kCoe + ";\r\n");
    EXPECT_EQ(RomTableText("", Layout(RomFormat::Mif, 1)),
              "WIDTH=8;\r\nDEPTH=0;\r\n" + kMifRadix + "END;\r\n");
}

TEST(RomTableFormats, Names)
{
    const std::pair<RomFormat, std::string> refused[] = {
        {RomFormat::CStdint, ""}, {RomFormat::Cpp, "2x"},         {RomFormat::C, "a-b"},
        {RomFormat::Vhdl, "a_"},  {RomFormat::VhdlPackage, "_a"}, {RomFormat::VhdlPackage, "a__b"},
    };
    for (const auto &[format, name] : refused) {
        RomTableLayout layout = Layout(format, 1);
        layout.name = name;
        EXPECT_THROW(RomTableText("a", layout), Error) << name;
    }
    const std::pair<std::string, std::string> defaults[] = {
        {"/data/image.bin", "image_bin"},
        {"rom", "rom"},
        {"/a.b/my-file v2.bin", "my_file_v2_bin"},
        {"2k.bin", "_2k_bin"},
        {"_x", "_x"},
        {"d\xC3\xA9.bin", "d___bin"},
    };
    for (const auto &[file, name] : defaults)
        EXPECT_EQ(RomTableDefaultName(file), name) << file;
    EXPECT_EQ(RomTableLayoutForInput(RomTableLayout{1, RomFormat::Cpp}, "/x/boot.rom").name,
              "boot_rom");
    EXPECT_EQ(RomTableLayoutForInput(Layout(RomFormat::Cpp, 1), "/x/boot.rom").name, "rom");
    EXPECT_EQ(RomTableLayoutForInput(RomTableLayout{}, "/x/boot.rom").name, "");  // C keeps "data"
}

TEST(RomTableFormats, FormatNamesAndOutputFiles)
{
    const std::pair<std::string, std::string> outputs[] = {
        {"c", "/d/in.txt"},   {"vhdl", "/d/in.txt"},         {"c-stdint", "/d/in.h"},
        {"cpp", "/d/in.hpp"}, {"verilog", "/d/in.mem"},      {"coe", "/d/in.coe"},
        {"mif", "/d/in.mif"}, {"vhdl-package", "/d/in.vhd"},
    };
    ASSERT_EQ(std::size(outputs), kRomFormatNames.size());
    for (const auto &[name, output] : outputs) {
        const std::optional<RomFormat> format = RomFormatFromName(name);
        ASSERT_TRUE(format) << name;
        EXPECT_EQ(RomFormatNameOf(*format), name);
        EXPECT_EQ(RomTableOutputName("/d/in.bin", *format), output);
    }
    EXPECT_FALSE(RomFormatFromName("C"));
}

}  // namespace
}  // namespace zolvik
