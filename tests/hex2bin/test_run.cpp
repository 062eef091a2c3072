#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "hex2bin/run.h"
#include "hex_text.h"
#include "tests/support/scratch_folder.h"

namespace hex2bin {
namespace {

using ::zolvik::test::ReadBytes;
using ::zolvik::test::ScratchFolder;

using test::Data;
using test::EndOfFile;
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
    const std::string hex =
        folder.Write("fw.hex", Data(0x100, {1, 2}) + Data(0x104, {5}) + EndOfFile());
    const Outcome o = Convert({hex});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"fw.bin", "fw.hex"}));
    EXPECT_EQ(ReadBytes(folder.File("fw.bin")), (Bytes{1, 2, 0xFF, 0xFF, 5}));
}

TEST(RunHex2Bin, AppliesTheOptions)
{
    ScratchFolder folder;
    const std::string hex =
        folder.Write("fw", Data(0x100, {1, 2}) + Data(0x104, {5}) + EndOfFile());
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

// What a good input prints on the output stream, and the files the folder then holds.
struct Printed {
    const char *name;
    std::vector<std::string> options;
    std::string text;
    std::string out;  // "BIN" stands for the output file's path
    std::vector<std::string> names;
};

void PrintTo(const Printed &printed, std::ostream *out)
{
    *out << printed.name;
}

class RunHex2BinPrints : public testing::TestWithParam<Printed> {};

TEST_P(RunHex2BinPrints, ItsSummaryOnTheOutputStream)
{
    const Printed &p = GetParam();
    ScratchFolder folder;
    std::vector<std::string> args = p.options;
    args.push_back(folder.Write("fw.hex", p.text));
    const Outcome o = Convert(args);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    std::string expected = p.out;
    if (const auto at = expected.find("BIN"); at != std::string::npos)
        expected.replace(at, 3, folder.File("fw.bin"));
    EXPECT_EQ(o.out, expected);
    EXPECT_EQ(folder.Names(), p.names);
}

const std::vector<std::string> kBoth{"fw.bin", "fw.hex"};
const std::vector<std::string> kHexOnly{"fw.hex"};
const std::string kTwoRuns = Data(0x100, {1, 2}) + Data(0x102, {3}) + Data(0x200, {4});
const std::string kStartLinear = test::Record(0x05, 0, {0x08, 0x00, 0x01, 0x01});

INSTANTIATE_TEST_SUITE_P(
    Summaries, RunHex2BinPrints,
    testing::Values(
        Printed{"RangeAndSize",
                {},
                kTwoRuns + EndOfFile(),
                "BIN: 0x00000100-0x00000200, 257 bytes\n",
                kBoth},
        Printed{"StartLinearAddress",
                {},
                kTwoRuns + kStartLinear + EndOfFile(),
                "BIN: 0x00000100-0x00000200, 257 bytes, start address 0x08000101\n",
                kBoth},
        Printed{"StartSegmentAddress",
                {"-s", "0x101", "-l", "2"},
                kTwoRuns + test::Record(0x03, 0, {0x12, 0x34, 0x00, 0x10}) + EndOfFile(),
                "BIN: 0x00000101-0x00000102, 2 bytes, start address 0x00012350\n",
                kBoth},
        Printed{"EmptyImage", {}, EndOfFile(), "BIN: no addresses, 0 bytes\n", kBoth},
        Printed{"Quiet", {"--quiet"}, kTwoRuns + EndOfFile(), "", kBoth},
        Printed{"Info",
                {"--info"},
                kTwoRuns + kStartLinear + EndOfFile(),
                "0x00000100-0x00000102 3 bytes\n"
                "0x00000200-0x00000200 1 byte\n"
                "start address 0x08000101\n"
                "4 bytes in 2 ranges\n",
                kHexOnly},
        Printed{"InfoBeyondTheImageLimit",
                {"--info"},
                Data(0, {1}) + test::LinearBase(0xFFFF) + Data(0xFFFF, {2}) + EndOfFile(),
                "0x00000000-0x00000000 1 byte\n"
                "0xFFFFFFFF-0xFFFFFFFF 1 byte\n"
                "2 bytes in 2 ranges\n",
                kHexOnly},
        Printed{"InfoWithoutData", {"--info"}, EndOfFile(), "0 bytes in 0 ranges\n", kHexOnly}),
    [](const testing::TestParamInfo<Printed> &info) { return std::string(info.param.name); });

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
        BadInput{"UnknownType", kGood + ":00000006FA\n" + EndOfFile(),
                 ":2: unknown record type 0x06"},
        BadInput{"DataAfterEnd", kGood + EndOfFile() + kGood,
                 ":3: data after the end-of-file record"},
        BadInput{
            "ConflictingData", kGood + Data(2, {3, 5}) + EndOfFile(),
            ":2: address 0x00000003 written twice with different data: 0x04 before, 0x05 here"},
        BadInput{"MissingEnd", kGood + kGood, ":2: missing end-of-file record"},
        BadInput{"EmptyFile", "", ":1: missing end-of-file record"},
        BadInput{"BlankInside", kGood + ":0300300002 337A1E\n" + EndOfFile(),
                 ":2: malformed record: a blank inside the record"},
        BadInput{"NulInside",
                 kGood + ":03003000" + std::string(1, '\0') + "2337A1E\n" + EndOfFile(),
                 ":2: malformed record: a NUL byte inside the record"},
        BadInput{"LineLongerThanAnyRecord", kGood + ":" + std::string(100000, '0'),
                 ":2: malformed record: longer than 521 characters"},
        BadInput{"ZerosWithoutLineEnd", std::string(100000, '\0'),
                 ":1: malformed record: it does not start with ':'"},
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
    EXPECT_EQ(missing.err,
              "hex2bin: cannot open " + folder.File("none.hex") + ": No such file or directory\n");

    const std::string hex = folder.Write("fw.hex", kGood + EndOfFile());
    const Outcome noFolder = Convert({"-o", folder.File("no/such/folder.bin"), hex});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err.rfind("hex2bin: cannot create " + folder.File("no/such/folder.bin"), 0),
              0u)
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

// An input that is not a regular file is refused before anything is read from it.
struct NotAFile {
    const char *name;
    std::string (*make)(const ScratchFolder &folder);
    std::string reason;
};

void PrintTo(const NotAFile &input, std::ostream *out)
{
    *out << input.name;
}

class RunHex2BinNotAFile : public testing::TestWithParam<NotAFile> {};

TEST_P(RunHex2BinNotAFile, IsRefusedAtOnce)
{
    ScratchFolder folder;
    const std::string input = GetParam().make(folder);
    const Outcome o = Convert({"-o", folder.File("out.bin"), input});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "hex2bin: " + input + ": " + GetParam().reason + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.bin")));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RunHex2BinNotAFile,
    testing::Values(NotAFile{"Device",
                             [](const ScratchFolder &) { return std::string("/dev/zero"); },
                             "Is a device, not a regular file"},
                    // Opening a FIFO without a writer would block for ever.
                    NotAFile{"Fifo",
                             [](const ScratchFolder &folder) {
                                 const std::string fifo = folder.File("pipe.hex");
                                 EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
                                 return fifo;
                             },
                             "Is a FIFO (named pipe), not a regular file"},
                    NotAFile{"Folder",
                             [](const ScratchFolder &folder) {
                                 std::filesystem::create_directory(folder.File("dir.hex"));
                                 return folder.File("dir.hex");
                             },
                             "Is a folder, not a file"}),
    [](const testing::TestParamInfo<NotAFile> &info) { return std::string(info.param.name); });

TEST(RunHex2Bin, ProgramSaysWhenMemoryRunsOut)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    // One-byte records at addresses 2 apart: a run each, far more than the limit below holds.
    ScratchFolder folder;
    std::string many;
    for (unsigned address = 0; address < 0x100000; address += 2) {
        if (address % 0x10000 == 0)
            many += test::LinearBase(address >> 16);
        many += Data(address & 0xFFFF, {0x5A});
    }
    const std::string hex = folder.Write("many.hex", many + EndOfFile());
    const std::string small = folder.Write("small.hex", kGood + EndOfFile());
    const auto run = [&](const std::string &input) {
        const std::string command = "ulimit -v 14000 && '" + std::string(HEX2BIN_PROGRAM) + "' '" +
                                    input + "' 2> '" + folder.File("err.txt") + "'";
        const int status = std::system(command.c_str());
        const auto err = ReadBytes(folder.File("err.txt"));
        return std::make_pair(status, std::string(err.begin(), err.end()));
    };
    ASSERT_EQ(run(small).first, 0) << "the program does not start under the limit";
    const auto [status, err] = run(hex);
    EXPECT_NE(status, 0);
    EXPECT_EQ(err, "hex2bin: " + hex + ": not enough memory\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("many.bin")));
#endif
}

TEST(RunHex2Bin, NamesItselfAsTheCallerAsks)
{
    ScratchFolder folder;
    std::ostringstream out, err;
    EXPECT_EQ(RunHex2Bin({}, out, err, "zolvik hex2bin"), 1);
    EXPECT_EQ(err.str(), "zolvik hex2bin: no HEX file given (zolvik hex2bin -h shows the usage)\n");
    err.str("");
    const std::string hex = folder.Write("fw.hex", kGood);
    EXPECT_EQ(RunHex2Bin({hex}, out, err, "zolvik hex2bin"), 1);
    EXPECT_EQ(err.str(), "zolvik hex2bin: " + hex + ":1: missing end-of-file record\n");
    EXPECT_EQ(RunHex2Bin({"-h"}, out, err, "zolvik hex2bin"), 0);
    EXPECT_EQ(out.str().rfind("Usage: zolvik hex2bin [options] FILE.hex\n", 0), 0u);
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
