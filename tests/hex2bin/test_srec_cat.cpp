// S-record files written by srec_cat, converted by hex2bin and by objcopy: the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "tests/support/scratch_folder.h"

namespace hex2bin {
namespace {

using ::zolvik::test::ReadBytes;
using ::zolvik::test::ScratchFolder;

struct SrecCatCase {
    const char *name;
    unsigned first;        // address of the first block
    unsigned second;       // address of the second block
    int addressLength;     // bytes srec_cat gives each address, at least
    const char *start;     // execution start address, or nothing
    const char *expected;  // the line hex2bin prints, after the output name
};

void PrintTo(const SrecCatCase &c, std::ostream *out)
{
    *out << c.name;
}

bool Have(const char *program)
{
    return std::system((std::string("command -v ") + program + " > /dev/null 2>&1").c_str()) == 0;
}

std::string Quoted(const std::string &path)
{
    return "'" + path + "'";
}

class AgainstSrecCat : public testing::TestWithParam<SrecCatCase> {};

TEST_P(AgainstSrecCat, ConvertsAsObjcopyDoes)
{
    if (!Have("srec_cat") || !Have("objcopy"))
        GTEST_SKIP() << "srec_cat or objcopy is not on the PATH";
    const SrecCatCase &c = GetParam();
    ScratchFolder folder;
    std::mt19937 random(7);
    std::string block(3000, '\0');
    for (auto &b : block)
        b = static_cast<char>(random());
    const std::string a = folder.Write("a.raw", block.substr(0, 1000));
    const std::string b = folder.Write("b.raw", block.substr(1000));
    char offsets[128];
    std::snprintf(offsets, sizeof offsets, " -binary -offset 0x%X ", c.first);
    std::string make = "srec_cat " + Quoted(a) + offsets;
    std::snprintf(offsets, sizeof offsets, " -binary -offset 0x%X ", c.second);
    make += Quoted(b) + offsets + "-o " + Quoted(folder.File("image.srec")) +
            " -motorola -address-length=" + std::to_string(c.addressLength);
    if (c.start)
        make += std::string(" -execution-start-address=") + c.start;
    ASSERT_EQ(std::system(make.c_str()), 0) << make;

    const std::string ours = folder.File("ours.bin");
    const std::string convert = Quoted(HEX2BIN_PROGRAM) + " -f 0 -o " + Quoted(ours) + " " +
                                Quoted(folder.File("image.srec")) + " > " +
                                Quoted(folder.File("out.txt"));
    ASSERT_EQ(std::system(convert.c_str()), 0);
    ASSERT_EQ(std::system(("objcopy -I srec -O binary " + Quoted(folder.File("image.srec")) + " " +
                           Quoted(folder.File("objcopy.bin")))
                              .c_str()),
              0);
    EXPECT_TRUE(ReadBytes(ours) == ReadBytes(folder.File("objcopy.bin")));
    const auto printed = ReadBytes(folder.File("out.txt"));
    EXPECT_EQ(std::string(printed.begin(), printed.end()), ours + ": " + c.expected + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, AgainstSrecCat,
    testing::Values(SrecCatCase{"S1", 0x0100, 0x2000, 2, nullptr,
                                "0x00000100-0x000027CF, 9936 bytes"},
                    SrecCatCase{"S2WithS8", 0x123456, 0x130000, 2, "0x123457",
                                "0x00123456-0x001307CF, 54138 bytes, start address 0x00123457"},
                    SrecCatCase{"S3WithS7", 0x08000000, 0x080003E8, 4, "0x08000001",
                                "0x08000000-0x08000BB7, 3000 bytes, start address 0x08000001"}),
    [](const testing::TestParamInfo<SrecCatCase> &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hex2bin
