#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "hex2bin/run.h"
#include "hex_text.h"
#include "scratch_folder.h"

namespace hex2bin {
namespace {

using test::Data;
using test::EndOfFile;
using test::ReadBytes;
using test::ScratchFolder;
using Bytes = std::vector<std::uint8_t>;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Convert(const std::vector<std::string> &args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunHex2Bin(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(RunHex2Bin, WritesTheBinBesideTheHexFile)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("fw.hex", Data(0x100, {1, 2}) + Data(0x104, {5}) + EndOfFile());
    const Outcome o = Convert({hex});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"fw.bin", "fw.hex"}));
    EXPECT_EQ(ReadBytes(folder.File("fw.bin")), (Bytes{1, 2, 0xFF, 0xFF, 5}));
}

TEST(RunHex2Bin, AppliesTheOptions)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("fw", Data(0x100, {1, 2}) + Data(0x104, {5}) + EndOfFile());
    ASSERT_EQ(Convert({"-f", "0x00", hex}).status, 0);
    EXPECT_EQ(ReadBytes(folder.File("fw.bin")), (Bytes{1, 2, 0, 0, 5}));
    ASSERT_EQ(Convert({"-s", "0x101", "-l", "6", "-o", folder.File("part.img"), hex}).status, 0);
    EXPECT_EQ(ReadBytes(folder.File("part.img")), (Bytes{2, 0xFF, 0xFF, 5, 0xFF, 0xFF}));
}

TEST(RunHex2Bin, ReplacesAnOlderOutput)
{
    ScratchFolder folder;
    folder.Write("fw.bin", std::string(100, 'x'));
    ASSERT_EQ(Convert({folder.Write("fw.hex", Data(0, {7}) + EndOfFile())}).status, 0);
    EXPECT_EQ(ReadBytes(folder.File("fw.bin")), Bytes{7});
}

TEST(RunHex2Bin, ConvertsAPathWithBlanksWhetherQuotedOrSplit)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("my fw v2.hex", Data(0, {1, 2, 3}) + EndOfFile());
    ASSERT_EQ(Convert({hex}).status, 0);
    EXPECT_EQ(ReadBytes(folder.File("my fw v2.bin")), (Bytes{1, 2, 3}));
    std::filesystem::remove(folder.File("my fw v2.bin"));

    // What an unquoted start leaves of the path: one word per blank-separated piece.
    std::vector<std::string> words;
    std::istringstream pieces(hex);
    for (std::string word; std::getline(pieces, word, ' ');)
        words.push_back(word);
    ASSERT_GT(words.size(), 2u);
    ASSERT_EQ(Convert(words).status, 0);
    EXPECT_EQ(ReadBytes(folder.File("my fw v2.bin")), (Bytes{1, 2, 3}));
}

TEST(RunHex2Bin, ProgramConvertsAPathWithBlanks)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("a b.hex", Data(0, {9, 8}) + EndOfFile());
    const std::string command = std::string("'") + HEX2BIN_PROGRAM + "' '" + hex + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadBytes(folder.File("a b.bin")), (Bytes{9, 8}));
}

// Each bad input: the message on the error stream, status 1, the folder as it was.
struct BadInput {
    const char *name;
    std::string text;
    std::string message;  // after "hex2bin: <file>"
};

void PrintTo(const BadInput &bad, std::ostream *out)
{
    *out << bad.name;
}

class RunHex2BinBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(RunHex2BinBadInput, NamesTheFaultAndWritesNothing)
{
    const BadInput &bad = GetParam();
    ScratchFolder folder;
    const std::string hex = folder.Write("bad input.hex", bad.text);
    const Outcome o = Convert({hex});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "hex2bin: " + hex + bad.message + "\n");
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"bad input.hex"});
}

const std::string kGood = Data(0, {1, 2, 3, 4});

INSTANTIATE_TEST_SUITE_P(
    EveryFault, RunHex2BinBadInput,
    testing::Values(
        BadInput{"BadChecksum", kGood + ":0300300002337A1F\n" + EndOfFile(),
                 ":2: bad checksum 0x1F, the record's bytes need 0x1E"},
        BadInput{"MalformedRecord", kGood + kGood + "0300300002337A1E\n" + EndOfFile(),
                 ":3: malformed record: it does not start with ':'"},
        BadInput{"NotHexDigit", ":03003000023Z7A1E\n" + EndOfFile(),
                 ":1: malformed record: 'Z' is not a hexadecimal digit"},
        BadInput{"LengthMismatch", kGood + ":0400300002337A1D\r\n" + EndOfFile(),
                 ":2: record length 0x04 does not match the line, which holds 3 data bytes"},
        BadInput{"UnknownType", kGood + ":00000006FA\n" + EndOfFile(), ":2: unknown record type 0x06"},
        BadInput{"DataAfterEnd", kGood + EndOfFile() + kGood, ":3: data after the end-of-file record"},
        BadInput{"ConflictingData", kGood + Data(2, {3, 5}) + EndOfFile(),
                 ":2: address 0x00000003 written twice with different data: 0x04 before, 0x05 here"},
        BadInput{"MissingEnd", kGood + kGood, ":2: missing end-of-file record"},
        BadInput{"EmptyFile", "", ":1: missing end-of-file record"},
        BadInput{"TooLarge", kGood + test::LinearBase(0x2000) + kGood + EndOfFile(),
                 ": image larger than 256 MiB: 536870916 bytes from 0x00000000"}),
    [](const testing::TestParamInfo<BadInput> &info) { return std::string(info.param.name); });

TEST(RunHex2Bin, KeepsAnOlderOutputWhenTheInputIsBad)
{
    ScratchFolder folder;
    folder.Write("fw.bin", "old");
    const std::string hex = folder.Write("fw.hex", kGood);
    EXPECT_EQ(Convert({hex}).status, 1);
    EXPECT_EQ(ReadBytes(folder.File("fw.bin")), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"fw.bin", "fw.hex"}));
}

TEST(RunHex2Bin, NamesFilesItCannotReadOrWrite)
{
    ScratchFolder folder;
    const Outcome missing = Convert({folder.File("none.hex")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "hex2bin: cannot open " + folder.File("none.hex") + ": No such file or directory\n");

    const std::string hex = folder.Write("fw.hex", kGood + EndOfFile());
    const Outcome noFolder = Convert({"-o", folder.File("no/such/folder.bin"), hex});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err.rfind("hex2bin: cannot create " + folder.File("no/such/folder.bin"), 0), 0u)
        << noFolder.err;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"fw.hex"});
}

TEST(RunHex2Bin, AFolderWhereTheOutputShouldGoIsLeftAlone)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("fw.hex", kGood + EndOfFile());
    std::filesystem::create_directory(folder.File("fw.bin"));
    const Outcome o = Convert({hex});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find(folder.File("fw.bin")), std::string::npos) << o.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("fw.bin")));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"fw.bin", "fw.hex"}));
}

TEST(RunHex2Bin, AWriteThatFailsPartWayKeepsTheOldOutput)
{
    ScratchFolder folder;
    folder.Write("big.bin", "old");
    // 256 KiB of data, far beyond the file-size limit set below, one extended linear address
    // record per 64 KiB page.
    std::string paged;
    for (std::uint32_t page = 0; page < 4; ++page) {
        const std::uint8_t base[2] = {0, static_cast<std::uint8_t>(page)};
        const std::uint8_t sum = static_cast<std::uint8_t>(-(2 + 4 + base[1]));
        char record[32];
        std::snprintf(record, sizeof record, ":02000004%02X%02X%02X\n", base[0], base[1], sum);
        paged += record;
        for (std::uint32_t offset = 0; offset < 0x10000; offset += 16)
            paged += Data(offset, std::vector<std::uint8_t>(16, 0x5A));
    }
    const std::string hex = folder.Write("big.hex", paged + EndOfFile());

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const Outcome o = Convert({hex});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find(folder.File("big.bin")), std::string::npos) << o.err;
    EXPECT_EQ(ReadBytes(folder.File("big.bin")), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"big.bin", "big.hex"}));
}

TEST(RunHex2Bin, RefusesToReplaceTheHexFileItself)
{
    ScratchFolder folder;
    const std::string text = kGood + EndOfFile();
    const std::string hex = folder.Write("fw.bin", text);
    const Outcome o = Convert({hex});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "hex2bin: " + hex + ": the output would replace the HEX file itself\n");
    EXPECT_EQ(ReadBytes(hex), Bytes(text.begin(), text.end()));
}

TEST(RunHex2Bin, ShowsHelpAndUsageFaults)
{
    const Outcome help = Convert({"-h"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: hex2bin [options] FILE.hex\n", 0), 0u);
    const Outcome usage = Convert({});
    EXPECT_EQ(usage.status, 1);
    EXPECT_EQ(usage.err, "hex2bin: no HEX file given (hex2bin -h shows the usage)\n");
}

}  // namespace
}  // namespace hex2bin
