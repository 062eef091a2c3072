#include <gtest/gtest.h>

#include <optional>
#include <tuple>

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

TEST(ParseNumber, ReadsDecimalAndHexadecimalUpToTheMaximum)
{
    // clang-format off
    const std::tuple<std::string, std::uint64_t, std::optional<std::uint64_t>> cases[] = {
        {"0", 255, 0}, {"255", 255, 255}, {"0xff", 255, 255}, {"0XA5", 255, 0xA5},
        {"0x08000000", 0xFFFFFFFF, 0x08000000}, {"007", 255, 7},
        {"18446744073709551615", UINT64_MAX, UINT64_MAX},
        {"", 255, {}}, {"0x", 255, {}}, {"256", 255, {}}, {"0x100", 255, {}}, {"-1", 255, {}},
        {"+1", 255, {}}, {"12a", 255, {}}, {" 1", 255, {}}, {"0x100000000", 0xFFFFFFFF, {}},
        {"18446744073709551616", UINT64_MAX, {}}};
    // clang-format on
    for (const auto &[text, max, value] : cases)
        EXPECT_EQ(ParseNumber(text, max), value) << text;
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

TEST(ParseCommandLine, ReadsTheFileAndEveryOptionSeparateOrAttached)
{
    struct Case {
        std::vector<std::string> args;
        std::string input, output;
        std::uint8_t fill;
        std::optional<std::uint64_t> start, length;
    };
    // clang-format off
    const Case cases[] = {
        {{"/tmp/fw.hex"}, "/tmp/fw.hex", "/tmp/fw.bin", 0xFF, {}, {}},
        {{"-o", "out.img", "-f", "0", "-s", "0x08000000", "-l", "1024", "fw.hex"}, "fw.hex",
         "out.img", 0, 0x08000000, 1024},
        {{"fw.hex", "-oout.img", "-f0x5A", "-s16", "-l0x10"}, "fw.hex", "out.img", 0x5A, 16, 16},
        // The words of an unquoted path with blanks, joined again.
        {{"/home/ana/My", "Projects/fw", "v2.hex"}, "/home/ana/My Projects/fw v2.hex",
         "/home/ana/My Projects/fw v2.bin", 0xFF, {}, {}}};
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input);
        const CommandLine line = Parsed(c.args);
        EXPECT_FALSE(line.help);
        EXPECT_EQ(line.input, c.input);
        EXPECT_EQ(line.output, c.output);
        EXPECT_EQ(line.options.fill, c.fill);
        EXPECT_EQ(line.options.start, c.start);
        EXPECT_EQ(line.options.length, c.length);
    }
    EXPECT_EQ(Parsed({"--", "-odd name.hex"}).input, "-odd name.hex");
    EXPECT_EQ(Parsed({"-"}).input, "-");
}

TEST(ParseCommandLine, AsksForHelp)
{
    EXPECT_TRUE(Parsed({"-h"}).help);
    EXPECT_TRUE(Parsed({"fw.hex", "--help"}).help);
    EXPECT_NE(HelpText().find("-f BYTE"), std::string::npos);
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
