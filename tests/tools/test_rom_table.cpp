#include "tools/rom_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zolvik {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

RomTableLayout Layout(int elementBytes, RomFormat format, int columns, int tabs)
{
    return RomTableLayout{elementBytes, format, columns, tabs};
}

TEST(RomTableText, FiveBytesAsVhdlTwoColumnsOneTab)
{
    EXPECT_EQ(RomTableText(Bytes({1, 2, 3, 4, 5}), Layout(1, RomFormat::Vhdl, 2, 1)),
              "type tRom_Array is array(0 to 4) of std_logic_vector(7 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              "\tx\"01\", x\"02\", \r\n"
              "\tx\"03\", x\"04\", \r\n"
              "\tx\"05\" \r\n"
              ");\r\n");
}

TEST(RomTableText, FiveBytesAsWordsInCDropTheRemainder)
{
    EXPECT_EQ(RomTableText(Bytes({1, 2, 3, 4, 5}), Layout(2, RomFormat::C, 8, 1)),
              "const unsigned word data[] = {\r\n"
              "\t0x0201, 0x0403 \r\n"
              "};\r\n");
}

TEST(RomTableText, DoubleWordsAreLittleEndianAndUpperCase)
{
    EXPECT_EQ(RomTableText(Bytes({0x01, 0x02, 0x03, 0x04, 0xab, 0xcd, 0xef, 0x9a}),
                           Layout(4, RomFormat::C, 8, 1)),
              "const unsigned long word data[] = {\r\n"
              "\t0x04030201, 0x9AEFCDAB \r\n"
              "};\r\n");
    EXPECT_EQ(RomTableText(Bytes({0xab, 0xcd, 0xef, 0x9a, 0x10}), Layout(4, RomFormat::Vhdl, 8, 1)),
              "type tRom_Array is array(0 to 0) of std_logic_vector(31 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              "\tx\"9AEFCDAB\" \r\n"
              ");\r\n");
    EXPECT_EQ(RomTableText(Bytes({0xab, 0x0c}), Layout(2, RomFormat::Vhdl, 8, 1)),
              "type tRom_Array is array(0 to 0) of std_logic_vector(15 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              "\tx\"0CAB\" \r\n"
              ");\r\n");
}

TEST(RomTableText, EmptyInputHasNoDataLine)
{
    EXPECT_EQ(RomTableText("", Layout(1, RomFormat::Vhdl, 8, 1)),
              "type tRom_Array is array(0 to -1) of std_logic_vector(7 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              ");\r\n");
    EXPECT_EQ(RomTableText("", Layout(1, RomFormat::C, 8, 1)), "const unsigned char data[] = {\r\n"
                                                               "};\r\n");
}

TEST(RomTableText, ThreeBytesAsDoubleWordsAreNoElement)
{
    EXPECT_EQ(RomTableText(Bytes({1, 2, 3}), Layout(4, RomFormat::Vhdl, 8, 1)),
              "type tRom_Array is array(0 to -1) of std_logic_vector(31 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              ");\r\n");
    EXPECT_EQ(RomTableText(Bytes({1, 2, 3}), Layout(4, RomFormat::C, 8, 1)),
              "const unsigned long word data[] = {\r\n"
              "};\r\n");
}

TEST(RomTableText, OneColumnPutsEveryElementOnItsOwnLine)
{
    EXPECT_EQ(RomTableText(Bytes({0xab, 0x00, 0xff}), Layout(1, RomFormat::C, 1, 1)),
              "const unsigned char data[] = {\r\n"
              "\t0xAB, \r\n"
              "\t0x00, \r\n"
              "\t0xFF \r\n"
              "};\r\n");
}

TEST(RomTableText, TabCountIndentsHeaderOneLessThanData)
{
    const std::string input = Bytes({1, 2, 3});
    EXPECT_EQ(RomTableText(input, Layout(1, RomFormat::Vhdl, 2, 0)),
              "type tRom_Array is array(0 to 2) of std_logic_vector(7 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              "x\"01\", x\"02\", \r\n"
              "x\"03\" \r\n"
              ");\r\n");
    EXPECT_EQ(RomTableText(input, Layout(1, RomFormat::C, 2, 1)),
              "const unsigned char data[] = {\r\n"
              "\t0x01, 0x02, \r\n"
              "\t0x03 \r\n"
              "};\r\n");
    EXPECT_EQ(RomTableText(input, Layout(1, RomFormat::Vhdl, 2, 2)),
              "\ttype tRom_Array is array(0 to 2) of std_logic_vector(7 downto 0);\r\n"
              "\tconstant DATA_ROM :  tRom_Array := (\r\n"
              "\t\tx\"01\", x\"02\", \r\n"
              "\t\tx\"03\" \r\n"
              "\t);\r\n");
    EXPECT_EQ(RomTableText(input, Layout(1, RomFormat::C, 2, -3)),
              "const unsigned char data[] = {\r\n"
              "0x01, 0x02, \r\n"
              "0x03 \r\n"
              "};\r\n");
}

TEST(RomTableText, TabCountAboveEightBitsStopsAt255)
{
    const std::string text = RomTableText(Bytes({7}), Layout(1, RomFormat::C, 8, 1000));
    EXPECT_EQ(text, std::string(254, '\t') + "const unsigned char data[] = {\r\n" +
                        std::string(255, '\t') + "0x07 \r\n" + std::string(254, '\t') + "};\r\n");
}

TEST(RomTableText, LastElementCompletingALineLosesItsComma)
{
    EXPECT_EQ(RomTableText(Bytes({1, 2, 3, 4}), Layout(1, RomFormat::C, 2, 1)),
              "const unsigned char data[] = {\r\n"
              "\t0x01, 0x02, \r\n"
              "\t0x03, 0x04 \r\n"
              "};\r\n");
    EXPECT_EQ(RomTableText(Bytes({1, 2, 3, 4}), Layout(1, RomFormat::Vhdl, 4, 1)),
              "type tRom_Array is array(0 to 3) of std_logic_vector(7 downto 0);\r\n"
              "constant DATA_ROM :  tRom_Array := (\r\n"
              "\tx\"01\", x\"02\", x\"03\", x\"04\" \r\n"
              ");\r\n");
}

// Data lines of the table, without header, footer and indentation.
std::vector<std::string> DataLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = text.find("\r\n") + 2;  // after the C header line
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.pop_back();  // the footer
    return lines;
}

std::string Counting(std::size_t count)
{
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

TEST(RomTableText, ElementCounterIsEightBitsWide)
{
    const std::string input = Counting(600);
    const std::vector<std::string> zero =
        DataLines(RomTableText(input, Layout(1, RomFormat::C, 0, 0)));
    ASSERT_EQ(zero.size(), 3u);
    EXPECT_EQ(zero[0].size(), 256u * 6);
    EXPECT_EQ(zero[1].size(), 256u * 6);
    EXPECT_EQ(zero[2].size(), 88u * 6 - 1);
    EXPECT_EQ(zero[1].substr(0, 12), "0x00, 0x01, ");

    const std::vector<std::string> full =
        DataLines(RomTableText(input, Layout(1, RomFormat::C, 255, 0)));
    ASSERT_EQ(full.size(), 3u);
    EXPECT_EQ(full[0].size(), 255u * 6);
    EXPECT_EQ(full[2].size(), 90u * 6 - 1);

    for (int columns : {256, 300, -1, -256}) {
        const std::vector<std::string> one =
            DataLines(RomTableText(input, Layout(1, RomFormat::C, columns, 0)));
        ASSERT_EQ(one.size(), 1u) << columns;
        EXPECT_EQ(one[0].size(), 600u * 6 - 1) << columns;
    }
}

TEST(RomTableText, ElementsComeAsTheyLieInTheFile)
{
    const std::string input = Counting(256);
    const std::string text = RomTableText(input, Layout(1, RomFormat::C, 16, 1));
    EXPECT_NE(text.find("\t0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, "
                        "0xFC, 0xFD, 0xFE, 0xFF \r\n};\r\n"),
              std::string::npos);
}

TEST(WriteRomTable, ReadsAndWritesInLargeChunks)
{
    const std::uint64_t elements = 3 * 1024 * 1024 + 5;
    std::vector<std::size_t> reads;
    std::vector<std::size_t> writes;
    std::size_t written = 0;
    WriteRomTable(
        elements, Layout(1, RomFormat::C, 8, 1),
        [&](char *buffer, std::size_t count) {
            reads.push_back(count);
            std::fill(buffer, buffer + count, '\x5a');
        },
        [&](const char *, std::size_t count) {
            writes.push_back(count);
            written += count;
        });
    std::size_t readTotal = 0;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        readTotal += reads[i];
        if (i + 1 < reads.size()) {
            EXPECT_GE(reads[i], 64u * 1024);
        }
    }
    EXPECT_EQ(readTotal, elements);
    for (std::size_t i = 0; i + 1 < writes.size(); ++i)
        EXPECT_GE(writes[i], 64u * 1024);
    // Header, every element "0x5A, " but the last "0x5A ", one line end per eight, footer.
    const std::uint64_t lines = (elements + 7) / 8;
    EXPECT_EQ(written, 32 + elements * 6 - 1 + lines * 3 + 4);
}

// Parses a table back into the bytes it was made from: every element text in order,
// little-endian.
std::string ParseTable(const std::string &text, int elementBytes, RomFormat format)
{
    const std::string opening = format == RomFormat::C ? "0x" : "x\"";
    std::string bytes;
    for (std::size_t pos = text.find(opening); pos != std::string::npos;
         pos = text.find(opening, pos)) {
        pos += opening.size();
        const std::string digits = text.substr(pos, 2 * elementBytes);
        const unsigned long value = std::stoul(digits, nullptr, 16);
        for (int k = 0; k < elementBytes; ++k)
            bytes += static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    return bytes;
}

TEST(RomTableText, RoundTripOfRandomInputs)
{
    std::mt19937 random(20240611);
    const std::size_t sizes[] = {0,     1,      2,      3,      4,      5,
                                 7,     9,      255,    256,    257,    4097,
                                 65536, 262143, 262144, 262147, 524291, 1048576 + 3};
    for (std::size_t size : sizes) {
        std::string input(size, '\0');
        for (char &byte : input)
            byte = static_cast<char>(random());
        for (int elementBytes : {1, 2, 4}) {
            for (RomFormat format : {RomFormat::C, RomFormat::Vhdl}) {
                const int columns = static_cast<int>(random() % 20);
                const RomTableLayout layout = Layout(elementBytes, format, columns, 1);
                const std::string text = RomTableText(input, layout);
                const std::size_t whole = size - size % elementBytes;
                ASSERT_EQ(ParseTable(text, elementBytes, format), input.substr(0, whole))
                    << size << " bytes, element " << elementBytes << ", columns " << columns;
                // Exactly one element text goes without a comma.
                const std::string lastElement =
                    format == RomFormat::C ? " \r\n};\r\n" : "\" \r\n);\r\n";
                if (whole > 0) {
                    EXPECT_EQ(text.rfind(lastElement), text.size() - lastElement.size());
                }
            }
        }
    }
}

TEST(RomTableOutputName, ExtensionReplacedOrAppended)
{
    EXPECT_EQ(RomTableOutputName("/data/image.bin"), "/data/image.txt");
    EXPECT_EQ(RomTableOutputName("/data/image"), "/data/image.txt");
    EXPECT_EQ(RomTableOutputName("/data/archive.tar.gz"), "/data/archive.tar.txt");
    EXPECT_EQ(RomTableOutputName("/data.d/image"), "/data.d/image.txt");
    EXPECT_EQ(RomTableOutputName("/data/image."), "/data/image.txt");
    EXPECT_EQ(RomTableOutputName("/data/.profile"), "/data/.txt");
    EXPECT_EQ(RomTableOutputName("/data/table.txt"), "/data/table.txt");
    EXPECT_EQ(RomTableOutputName("/data/table.TXT"), "/data/table.txt");
}

}  // namespace
}  // namespace zolvik
