#include <gtest/gtest.h>

#include "hex2bin/command_line.h"

namespace hex2bin {
namespace {

CommandLine Parsed(const std::vector<std::string> &args)
{
    const auto result = ParseCommandLine(args);
    if (const auto *usage = std::get_if<std::string>(&result)) {
        ADD_FAILURE() << *usage;
        return {};
    }
    return std::get<CommandLine>(result);
}

std::string Usage(const std::vector<std::string> &args)
{
    const auto result = ParseCommandLine(args);
    EXPECT_TRUE(std::holds_alternative<std::string>(result));
    const auto *usage = std::get_if<std::string>(&result);
    return usage ? *usage : std::string();
}

TEST(ParseNumber, ReadsDecimalAndHexadecimal)
{
    EXPECT_EQ(ParseNumber("0", 255), 0u);
    EXPECT_EQ(ParseNumber("255", 255), 255u);
    EXPECT_EQ(ParseNumber("0xff", 255), 255u);
    EXPECT_EQ(ParseNumber("0XA5", 255), 0xA5u);
    EXPECT_EQ(ParseNumber("0x08000000", 0xFFFFFFFF), 0x08000000u);
    EXPECT_EQ(ParseNumber("007", 255), 7u);
    EXPECT_EQ(ParseNumber("18446744073709551615", UINT64_MAX), UINT64_MAX);
}

TEST(ParseNumber, RefusesOtherTextAndValuesAboveTheMaximum)
{
    EXPECT_EQ(ParseNumber("", 255), std::nullopt);
    EXPECT_EQ(ParseNumber("0x", 255), std::nullopt);
    EXPECT_EQ(ParseNumber("256", 255), std::nullopt);
    EXPECT_EQ(ParseNumber("0x100", 255), std::nullopt);
    EXPECT_EQ(ParseNumber("-1", 255), std::nullopt);
    EXPECT_EQ(ParseNumber("+1", 255), std::nullopt);
    EXPECT_EQ(ParseNumber("12a", 255), std::nullopt);
    EXPECT_EQ(ParseNumber(" 1", 255), std::nullopt);
    EXPECT_EQ(ParseNumber("0x100000000", 0xFFFFFFFF), std::nullopt);
    EXPECT_EQ(ParseNumber("18446744073709551616", UINT64_MAX), std::nullopt);
}

TEST(DefaultOutputName, ReplacesOrAppendsTheExtension)
{
    EXPECT_EQ(DefaultOutputName("/data/fw.hex"), "/data/fw.bin");
    EXPECT_EQ(DefaultOutputName("fw.HEX"), "fw.bin");
    EXPECT_EQ(DefaultOutputName("fw.v1.ihx"), "fw.v1.bin");
    EXPECT_EQ(DefaultOutputName("/data/firmware"), "/data/firmware.bin");
    EXPECT_EQ(DefaultOutputName("/data.d/firmware"), "/data.d/firmware.bin");
    EXPECT_EQ(DefaultOutputName("/my files/a b.hex"), "/my files/a b.bin");
}

TEST(ParseCommandLine, TakesTheFileAndDefaults)
{
    const CommandLine line = Parsed({"/tmp/fw.hex"});
    EXPECT_FALSE(line.help);
    EXPECT_EQ(line.input, "/tmp/fw.hex");
    EXPECT_EQ(line.output, "/tmp/fw.bin");
    EXPECT_EQ(line.options.fill, 0xFF);
    EXPECT_FALSE(line.options.start);
    EXPECT_FALSE(line.options.length);
}

TEST(ParseCommandLine, ReadsEveryOptionSeparateOrAttached)
{
    const CommandLine line =
        Parsed({"-o", "out.img", "-f", "0", "-s", "0x08000000", "-l", "1024", "fw.hex"});
    EXPECT_EQ(line.input, "fw.hex");
    EXPECT_EQ(line.output, "out.img");
    EXPECT_EQ(line.options.fill, 0);
    EXPECT_EQ(line.options.start, 0x08000000u);
    EXPECT_EQ(line.options.length, 1024u);

    const CommandLine attached = Parsed({"fw.hex", "-oout.img", "-f0x5A", "-s16", "-l0x10"});
    EXPECT_EQ(attached.output, "out.img");
    EXPECT_EQ(attached.options.fill, 0x5A);
    EXPECT_EQ(attached.options.start, 16u);
    EXPECT_EQ(attached.options.length, 16u);
}

TEST(ParseCommandLine, AsksForHelp)
{
    EXPECT_TRUE(Parsed({"-h"}).help);
    EXPECT_TRUE(Parsed({"fw.hex", "--help"}).help);
    EXPECT_NE(HelpText().find("-f BYTE"), std::string::npos);
}

TEST(ParseCommandLine, JoinsWordsOfAnUnquotedPathWithBlanks)
{
    const CommandLine line = Parsed({"/home/ana/My", "Projects/fw", "v2.hex"});
    EXPECT_EQ(line.input, "/home/ana/My Projects/fw v2.hex");
    EXPECT_EQ(line.output, "/home/ana/My Projects/fw v2.bin");
    EXPECT_EQ(Parsed({"--", "-odd name.hex"}).input, "-odd name.hex");
    EXPECT_EQ(Parsed({"-"}).input, "-");
}

TEST(ParseCommandLine, NamesUsageFaults)
{
    EXPECT_EQ(Usage({}), "no HEX file given");
    EXPECT_EQ(Usage({"-x", "fw.hex"}), "unknown option '-x'");
    EXPECT_EQ(Usage({"--fill=1", "fw.hex"}), "unknown option '--fill=1'");
    EXPECT_EQ(Usage({"fw.hex", "-o"}), "option -o needs a value");
    EXPECT_EQ(Usage({"fw.hex", "-f", "256"}),
              "option -f needs a byte from 0 to 255 (or 0x00 to 0xFF), not '256'");
    EXPECT_EQ(Usage({"fw.hex", "-s", "0x100000000"}),
              "option -s needs an address from 0 to 0xFFFFFFFF, not '0x100000000'");
    EXPECT_EQ(Usage({"fw.hex", "-l", "ten"}), "option -l needs a length in bytes, not 'ten'");
}

}  // namespace
}  // namespace hex2bin
