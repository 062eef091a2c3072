// The formats added to the ROM table writer, and the name, byte order and pad options on
// every format, against hand-worked text.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tools/errors.h"
#include "tools/rom_table.h"

namespace zolvik {
namespace {

struct TextCase {
    RomFormat format;
    int elementBytes;
    std::string input;
    std::string expected;
    bool bigEndian = false;
    std::optional<std::uint8_t> pad = {};
    std::string name = "rom";
    std::int32_t columns = 8;
};

RomTableLayout LayoutOf(const TextCase &c)
{
    RomTableLayout layout{c.elementBytes, c.format, c.columns, 1};
    layout.name = c.name;
    layout.bigEndian = c.bigEndian;
    layout.pad = c.pad;
    return layout;
}

TEST(RomTableFormats, HandWorkedText)
{
    const std::string abc("\x01\xA2\x03", 3);
    const std::string five("\x01\x02\x03\x04\x05", 5);
    const TextCase cases[] = {
        {RomFormat::CStdint, 1, "\x7F",
         "#include <stdint.h>\r\n#include <stddef.h>\r\nstatic const uint8_t rom[1] = {\r\n"
         "\t0x7F\r\n};\r\nstatic const size_t rom_len = 1;\r\n"},
        {RomFormat::CStdint, 2, five,  // padded word, two to a line
         "#include <stdint.h>\r\n#include <stddef.h>\r\nstatic const uint16_t rom[3] = {\r\n"
         "\t0x0201, 0x0403,\r\n\t0xFF05\r\n};\r\nstatic const size_t rom_len = 3;\r\n",
         false, 0xFF, "rom", 2},
        {RomFormat::Cpp, 4, "\x01\x02\x03\x04\x05\x06\x07\x08",
         "#include <array>\r\n#include <cstdint>\r\n"
         "inline constexpr std::array<std::uint32_t, 2> rom = {\r\n\t0x01020304, 0x05060708\r\n};\r\n",
         true},
        {RomFormat::Verilog, 1, abc, "01\r\nA2\r\n03\r\n"},
        {RomFormat::Verilog, 4, five, "04030201\r\n"},  // the remainder is left out
        {RomFormat::Verilog, 4, five, "01020304\r\n05000000\r\n", true, 0},
        {RomFormat::Coe, 1, abc,
         "memory_initialization_radix=16;\r\nmemory_initialization_vector=\r\n\t01, A2,\r\n\t03;\r\n",
         false, {}, "rom", 2},
        {RomFormat::Coe, 2, "\x01\x02",
         "memory_initialization_radix=16;\r\nmemory_initialization_vector=\r\n\t0201;\r\n"},
        {RomFormat::Mif, 2, abc,
         "WIDTH=16;\r\nDEPTH=2;\r\nADDRESS_RADIX=HEX;\r\nDATA_RADIX=HEX;\r\nCONTENT BEGIN\r\n"
         "0 : 01A2;\r\n1 : 0355;\r\nEND;\r\n",
         true, 0x55},
        {RomFormat::VhdlPackage, 1, "\xFE",
         "library ieee;\r\nuse ieee.std_logic_1164.all;\r\npackage rom_pkg is\r\n"
         "type rom_t is array (0 to 0) of std_logic_vector(7 downto 0);\r\n"
         "constant rom : rom_t := (\r\n\t0 => x\"FE\"\r\n);\r\nend package rom_pkg;\r\n"},
        {RomFormat::VhdlPackage, 2, five,
         "library ieee;\r\nuse ieee.std_logic_1164.all;\r\npackage rom_pkg is\r\n"
         "type rom_t is array (0 to 1) of std_logic_vector(15 downto 0);\r\n"
         "constant rom : rom_t := (\r\n\t0 => x\"0102\",\r\n\t1 => x\"0304\"\r\n);\r\n"
         "end package rom_pkg;\r\n",
         true, {}, "rom", 1},
        // The original formats take the new options; without them they stay as they were.
        {RomFormat::C, 2, abc, "const unsigned word rom[] = {\r\n\t0x01A2, 0x0300 \r\n};\r\n",
         true, 0},
        {RomFormat::Vhdl, 1, abc,
         "type tRom_Array is array(0 to 2) of std_logic_vector(7 downto 0);\r\n"
         "constant DATA_ROM :  tRom_Array := (\r\n\tx\"01\", x\"A2\", x\"03\" \r\n);\r\n",
         true, 0x99, ""},
    };
    for (const TextCase &c : cases)
        EXPECT_EQ(RomTableText(c.input, LayoutOf(c)), c.expected)
            << RomFormatNameOf(c.format) << " " << c.elementBytes << " bytes";
}

TEST(RomTableFormats, IndexesGrowADigitAndAddressesArePadded)
{
    std::string eleven;
    for (char i = 0; i < 11; ++i)
        eleven += i;
    RomTableLayout layout{1, RomFormat::VhdlPackage, 0, 0};
    layout.name = "t";
    EXPECT_NE(RomTableText(eleven, layout).find(", 8 => x\"08\", 9 => x\"09\", 10 => x\"0A\"\r\n"),
              std::string::npos);
    layout.format = RomFormat::Mif;
    const std::string mif = RomTableText(eleven + std::string(6, 'x'), layout);
    EXPECT_NE(mif.find("BEGIN\r\n00 : 00;\r\n"), std::string::npos);
    EXPECT_NE(mif.find("\r\n09 : 09;\r\n0A : 0A;\r\n"), std::string::npos);
    EXPECT_NE(mif.find("\r\n10 : 78;\r\nEND;\r\n"), std::string::npos);
}

TEST(RomTableFormats, EmptyInput)
{
    for (RomFormat format : {RomFormat::CStdint, RomFormat::Cpp, RomFormat::VhdlPackage}) {
        RomTableLayout layout{1, format, 8, 1};
        layout.name = "rom";
        layout.pad = 0;
        bool wrote = false;
        EXPECT_THROW(WriteRomTable(0, layout, [](char *, std::size_t) {},
                                   [&](const char *, std::size_t) { wrote = true; }),
                     Error);
        EXPECT_FALSE(wrote);
        // Three bytes of double words are no element either, unless padded.
        layout.elementBytes = 4;
        layout.pad.reset();
        EXPECT_THROW(RomTableText("abc", layout), Error);
    }
    const std::pair<RomFormat, std::string> writable[] = {
        {RomFormat::Verilog, ""},
        {RomFormat::Coe, "memory_initialization_radix=16;\r\nmemory_initialization_vector=\r\n;\r\n"},
        {RomFormat::Mif,
         "WIDTH=8;\r\nDEPTH=0;\r\nADDRESS_RADIX=HEX;\r\nDATA_RADIX=HEX;\r\nCONTENT BEGIN\r\nEND;\r\n"},
    };
    for (const auto &[format, text] : writable)
        EXPECT_EQ(RomTableText("", RomTableLayout{1, format, 8, 1}), text);
}

TEST(RomTableFormats, NamesTheFormatCannotDeclareAreRefused)
{
    const std::pair<RomFormat, std::string> refused[] = {
        {RomFormat::CStdint, ""},        {RomFormat::Cpp, "2x"},
        {RomFormat::C, "a-b"},           {RomFormat::CStdint, "a b"},
        {RomFormat::VhdlPackage, "_a"},  {RomFormat::VhdlPackage, "a__b"},
        {RomFormat::Vhdl, "a_"},         {RomFormat::VhdlPackage, ""},
    };
    for (const auto &[format, name] : refused) {
        RomTableLayout layout{1, format, 8, 1};
        layout.name = name;
        EXPECT_THROW(RomTableText("a", layout), Error) << name;
    }
    for (RomFormat format : {RomFormat::Verilog, RomFormat::Coe, RomFormat::Mif}) {
        RomTableLayout layout{1, format, 8, 1};
        layout.name = "not used here";
        EXPECT_NO_THROW(RomTableText("a", layout));
    }
}

TEST(RomTableFormats, DefaultNameAsXxdMakesIt)
{
    const std::pair<std::string, std::string> names[] = {
        {"/data/image.bin", "image_bin"},   {"rom", "rom"},
        {"/a.b/my-file v2.bin", "my_file_v2_bin"}, {"2k.bin", "_2k_bin"},
        {"_x", "_x"},                       {"d\xC3\xA9.bin", "d___bin"},
    };
    for (const auto &[file, name] : names)
        EXPECT_EQ(RomTableDefaultName(file), name) << file;
    RomTableLayout cpp{1, RomFormat::Cpp, 8, 1};
    EXPECT_EQ(RomTableLayoutForInput(cpp, "/x/boot.rom").name, "boot_rom");
    cpp.name = "given";
    EXPECT_EQ(RomTableLayoutForInput(cpp, "/x/boot.rom").name, "given");
    // C and VHDL keep "data" and "DATA_ROM" unless a name is given.
    EXPECT_EQ(RomTableLayoutForInput(RomTableLayout{}, "/x/boot.rom").name, "");
}

TEST(RomTableFormats, FormatNamesAndOutputFiles)
{
    const std::pair<std::string, std::string> outputs[] = {
        {"c", "/d/in.txt"},   {"vhdl", "/d/in.txt"}, {"c-stdint", "/d/in.h"},
        {"cpp", "/d/in.hpp"}, {"verilog", "/d/in.mem"}, {"coe", "/d/in.coe"},
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
    EXPECT_FALSE(RomFormatFromName("vhdl_package"));
}

TEST(WriteRomTable, ReadsOnlyTheBytesOfTheTable)
{
    for (const std::optional<std::uint8_t> pad : {std::optional<std::uint8_t>{}, std::optional<std::uint8_t>{7}}) {
        RomTableLayout layout{4, RomFormat::Verilog, 8, 1};
        layout.pad = pad;
        const std::uint64_t inputBytes = 256 * 1024 + 6;  // one read chunk and a bit
        std::uint64_t read = 0;
        std::string text;
        WriteRomTable(
            inputBytes, layout,
            [&](char *buffer, std::size_t count) {
                std::fill(buffer, buffer + count, '\x11');
                read += count;
            },
            [&](const char *data, std::size_t count) { text.append(data, count); });
        EXPECT_EQ(read, pad ? inputBytes : inputBytes - 2);
        EXPECT_EQ(text.substr(text.size() - 20), pad ? "11111111\r\n07071111\r\n"
                                                     : "11111111\r\n11111111\r\n");
    }
}

// The values of a table in order, each the last 2N hexadecimal digits of its element text,
// with the elements' indexes checked where the format writes them.
std::vector<std::uint32_t> ParseValues(const std::string &text, RomFormat format, int n)
{
    // Lines before and after the data lines, by format in the order of RomFormat.
    const std::size_t head[] = {2, 1, 3, 3, 0, 2, 5, 5};
    const std::size_t tail[] = {1, 1, 2, 1, 0, 0, 1, 2};
    const auto f = static_cast<std::size_t>(format);
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line, '\n');)
        lines.push_back(line);
    std::vector<std::uint32_t> values;
    for (std::size_t l = head[f]; l + tail[f] < lines.size(); ++l) {
        std::istringstream elements(lines[l]);
        for (std::string element; std::getline(elements, element, ',');) {
            const std::size_t end = element.find_last_of("0123456789ABCDEF") + 1;
            if (end == 0)
                continue;  // after the last comma of a line
            values.push_back(static_cast<std::uint32_t>(
                std::stoul(element.substr(end - 2 * n, 2 * n), nullptr, 16)));
            if (format == RomFormat::Mif || format == RomFormat::VhdlPackage) {
                EXPECT_EQ(std::stoul(element, nullptr, format == RomFormat::Mif ? 16 : 10),
                          values.size() - 1);
            }
        }
    }
    return values;
}

TEST(RomTableFormats, RoundTripAcrossTheWritersChunks)
{
    std::mt19937 random(20261209);
    std::string input(256 * 1024 + 3, '\0');  // past one read chunk
    for (char &byte : input)
        byte = static_cast<char>(random());
    for (const RomFormatName &entry : kRomFormatNames) {
        for (int n : {1, 4}) {
            RomTableLayout layout{n, entry.format, 8, 1};
            layout.name = "rom";
            layout.bigEndian = n == 4;
            layout.pad = 0x5A;
            const std::vector<std::uint32_t> values = ParseValues(RomTableText(input, layout), entry.format, n);
            ASSERT_EQ(values.size(), (input.size() + n - 1) / n) << entry.name;
            for (std::size_t i = 0; i < values.size(); ++i) {
                std::uint32_t expected = 0;
                for (int k = 0; k < n; ++k) {
                    const std::size_t at = i * n + (n == 4 ? k : n - 1 - k);
                    expected = expected << 8 | (at < input.size() ? static_cast<std::uint8_t>(input[at]) : 0x5A);
                }
                ASSERT_EQ(values[i], expected) << entry.name << " element " << i;
            }
        }
    }
}

}  // namespace
}  // namespace zolvik
