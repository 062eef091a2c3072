// The ROM table formats meant for a compiler or a simulator, handed to the real one: every
// element read back must be the input's. Skipped, with a message, where the tool is missing.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "common/errors.h"
#include "tools/rom_table.h"

namespace zolvik {
namespace {

namespace fs = std::filesystem;

// One element, a padded big-endian partial word, a decimal index past 99, and a padded
// table past the writer's read chunk.
const struct ClientCase {
    int elementBytes;
    bool bigEndian;
    std::optional<std::uint8_t> pad;
    std::size_t inputBytes;
} kCases[] = {
    {1, false, {}, 1}, {2, true, 0xA5, 5}, {1, false, {}, 300}, {4, false, 0x3C, 256 * 1024 + 3}};

class RomTableClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("rom_table_client_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static bool Have(const std::string &tool)
    {
        return std::system(("command -v " + tool + " > /dev/null 2>&1").c_str()) == 0;
    }
    void Write(const std::string &name, const std::string &text) const
    {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    std::string Read(const std::string &name) const
    {
        std::ostringstream text;
        text << std::ifstream(folder / name, std::ios::binary).rdbuf();
        return text.str();
    }
    // Runs the command in the folder, its output to "log".
    bool Run(const std::string &command) const
    {
        const bool ok =
            std::system(("cd '" + folder.string() + "' && (" + command + ") > log 2>&1").c_str()) ==
            0;
        if (!ok)
            ADD_FAILURE() << command << ":\n" << Read("log");
        return ok;
    }

    // Writes a random input's table in `format` as `file`, and its elements one a line in
    // hexadecimal or binary digits as "expected.txt"; returns their number.
    std::size_t Prepare(const ClientCase &c, RomFormat format, const std::string &file,
                        bool binary = false)
    {
        std::mt19937 random(static_cast<unsigned>(c.inputBytes));
        std::string input(c.inputBytes, '\0');
        for (char &byte : input)
            byte = static_cast<char>(random());
        RomTableLayout layout{c.elementBytes, format, 8, 1, "rom", c.bigEndian, c.pad};
        Write(file, RomTableText(input, layout));
        const std::size_t n = static_cast<std::size_t>(c.elementBytes);
        if (c.pad)
            input.resize((input.size() + n - 1) / n * n, static_cast<char>(*c.pad));
        std::string expected;
        for (std::size_t at = 0; at + n <= input.size(); at += n) {
            std::uint32_t value = 0;
            for (std::size_t k = 0; k < n; ++k)
                value = value << 8 |
                        static_cast<unsigned char>(input[at + (c.bigEndian ? k : n - 1 - k)]);
            for (std::size_t digit = binary ? 8 * n : 2 * n; digit-- > 0;)
                expected +=
                    "0123456789abcdef"[binary ? (value >> digit) & 1 : (value >> (4 * digit)) & 15];
            expected += '\n';
        }
        Write("expected.txt", expected);
        return input.size() / n;
    }

    fs::path folder;
};

// The same check of every element against the expected values, built as C99, C++11 and C++17.
const std::string kCheck =
    "int main(void) {\n  FILE *f = fopen(\"expected.txt\", \"r\");\n  unsigned long v;\n"
    "  size_t i = 0;\n  while (fscanf(f, \"%lx\", &v) == 1)\n"
    "    if (i >= LEN || (unsigned long)rom[i++] != v) return 1;\n  return i == LEN ? 0 : 2;\n}\n";

TEST_F(RomTableClientTest, CStdintCompilesAsC99AndCpp11)
{
    if (!Have("gcc") || !Have("g++"))
        GTEST_SKIP() << "gcc or g++ not installed";
    Write("check.c", "#include <stdio.h>\n#include \"rom.h\"\n"
                     "#define LEN (sizeof rom / sizeof rom[0] == rom_len ? rom_len : 0)\n" +
                         kCheck);
    for (const ClientCase &c : kCases) {
        Prepare(c, RomFormat::CStdint, "rom.h");
        EXPECT_TRUE(Run("gcc -std=c99 -Wall -Wextra -Werror -o c99 check.c && ./c99"));
        EXPECT_TRUE(Run("g++ -x c++ -std=c++11 -Wall -Wextra -Werror -o cpp11 check.c && ./cpp11"));
    }
}

TEST_F(RomTableClientTest, CppCompilesAsCpp17)
{
    if (!Have("g++"))
        GTEST_SKIP() << "g++ not installed";
    for (const ClientCase &c : kCases) {
        const std::string count = std::to_string(Prepare(c, RomFormat::Cpp, "rom.hpp"));
        Write("check.cpp", "#include <cstdio>\n#include \"rom.hpp\"\n#define LEN rom.size()\n"
                           "static_assert(LEN == " +
                               count + " && rom[0] == rom.front(), \"\");\n" + kCheck);
        EXPECT_TRUE(Run("g++ -std=c++17 -Wall -Wextra -Werror -o check check.cpp && ./check"));
    }
}

TEST_F(RomTableClientTest, IcarusReadmemhLoadsExactlyTheElements)
{
    if (!Have("iverilog") || !Have("vvp"))
        GTEST_SKIP() << "Icarus Verilog (iverilog, vvp) not installed";
    for (const ClientCase &c : kCases) {
        // One word more than the file holds, which must stay unknown.
        const std::string last = std::to_string(Prepare(c, RomFormat::Verilog, "rom.mem"));
        Write("tb.v", "module tb;\n  reg [" + std::to_string(8 * c.elementBytes - 1) +
                          ":0] mem [0:" + last +
                          "];\n  integer i;\n  initial begin\n    $readmemh(\"rom.mem\", mem);\n   "
                          " for (i = 0; i <= " +
                          last + "; i = i + 1) $display(\"v %h\", mem[i]);\n  end\nendmodule\n");
        ASSERT_TRUE(Run("iverilog -o tb.vvp tb.v && vvp -n tb.vvp"));
        std::istringstream log(Read("log"));
        std::string shown;
        for (std::string line; std::getline(log, line);)
            if (line.rfind("v ", 0) == 0)
                shown += line.substr(2) + "\n";
        EXPECT_EQ(shown, Read("expected.txt") + std::string(2 * c.elementBytes, 'x') + "\n");
    }
}

TEST_F(RomTableClientTest, GhdlAnalysesThePackageAndReadsBackEveryElement)
{
    if (!Have("ghdl"))
        GTEST_SKIP() << "GHDL not installed";
    Write(
        "tb.vhd",
        "library ieee;\nuse ieee.std_logic_1164.all;\nuse std.textio.all;\nuse work.rom_pkg.all;\n"
        "entity tb is\nend entity tb;\narchitecture sim of tb is\nbegin\n  process\n"
        "    file expected : text open read_mode is \"expected.txt\";\n    variable l : line;\n"
        "    variable bits : bit_vector(rom(0)'range);\n  begin\n    for i in rom'range loop\n"
        "      readline(expected, l);\n      read(l, bits);\n      assert to_bitvector(rom(i)) = "
        "bits\n"
        "        report \"element \" & integer'image(i) severity failure;\n    end loop;\n"
        "    assert endfile(expected) report \"elements missing\" severity failure;\n"
        "    report \"read back \" & integer'image(rom'length);\n    wait;\n  end process;\nend "
        "architecture sim;\n");
    for (const ClientCase &c : kCases) {
        const std::string count =
            std::to_string(Prepare(c, RomFormat::VhdlPackage, "rom.vhd", true));
        ASSERT_TRUE(Run("ghdl -a --std=93 rom.vhd tb.vhd && ghdl --elab-run --std=93 tb"));
        EXPECT_NE(Read("log").find("read back " + count), std::string::npos) << Read("log");
    }
}

TEST_F(RomTableClientTest, FileOfANamedFormatGetsItsExtensionAndTheInputsName)
{
    Write("boot-2.rom", "\x01");
    Write("empty.rom", "");
    const RomTableLayout cpp{1, RomFormat::Cpp};
    EXPECT_EQ(WriteRomTableFile((folder / "boot-2.rom").string(), cpp),
              (folder / "boot-2.hpp").string());
    EXPECT_NE(Read("boot-2.hpp").find("> boot_2_rom = {"), std::string::npos);
    EXPECT_THROW(WriteRomTableFile((folder / "empty.rom").string(), cpp), Error);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace zolvik
