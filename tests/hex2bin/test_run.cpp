#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
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

// Runs the converter under the name `program`, or the name it gives itself when there is none.
Outcome Convert(const std::vector<std::string> &args, const char *program = nullptr)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = program ? RunHex2Bin(args, out, err, program) : RunHex2Bin(args, out, err);
    return {status, out.str(), err.str()};
}

// A good input: status 0, nothing on the error stream, `out` on the output stream ("BIN" stands
// for the output file's path), the names in the folder after, and the output's bytes if given.
struct GoodRun {
    const char *name;
    std::vector<std::string> options;  // the word after -o names a file in the folder
    std::string text;
    std::string out;
    std::vector<std::string> names;
    std::optional<Bytes> bin = std::nullopt;
    std::string output = "fw.bin";
};

const std::vector<std::string> kBoth{"fw.bin", "fw.hex"};
const std::vector<std::string> kHexOnly{"fw.hex"};
const std::string kGapOfTwo = Data(0x100, {1, 2}) + Data(0x104, {5}) + EndOfFile();
const std::string kTwoRuns = Data(0x100, {1, 2}) + Data(0x102, {3}) + Data(0x200, {4});
const std::string kStartLinear = test::Record(0x05, 0, {0x08, 0x00, 0x01, 0x01});

// clang-format off
const std::vector<GoodRun> kGoodRuns = {
    {"BinBesideTheHexFile", {}, kGapOfTwo, "BIN: 0x00000100-0x00000104, 5 bytes\n", kBoth,
     Bytes{1, 2, 0xFF, 0xFF, 5}},
    {"Fill", {"-f", "0x00"}, kGapOfTwo, "BIN: 0x00000100-0x00000104, 5 bytes\n", kBoth,
     Bytes{1, 2, 0, 0, 5}},
    {"StartLengthAndOutput", {"-s", "0x101", "-l", "6", "-o", "part.img"}, kGapOfTwo,
     "BIN: 0x00000101-0x00000106, 6 bytes\n", {"fw.hex", "part.img"},
     Bytes{2, 0xFF, 0xFF, 5, 0xFF, 0xFF}, "part.img"},
    {"RangeAndSize", {}, kTwoRuns + EndOfFile(), "BIN: 0x00000100-0x00000200, 257 bytes\n", kBoth},
    {"StartLinearAddress", {}, kTwoRuns + kStartLinear + EndOfFile(),
     "BIN: 0x00000100-0x00000200, 257 bytes, start address 0x08000101\n", kBoth},
    {"StartSegmentAddress", {"-s", "0x101", "-l", "2"},
     kTwoRuns + test::Record(0x03, 0, {0x12, 0x34, 0x00, 0x10}) + EndOfFile(),
     "BIN: 0x00000101-0x00000102, 2 bytes, start address 0x00012350\n", kBoth},
    {"EmptyImage", {}, EndOfFile(), "BIN: no addresses, 0 bytes\n", kBoth, Bytes{}},
    {"Quiet", {"--quiet"}, kTwoRuns + EndOfFile(), "", kBoth},
    {"Info", {"--info"}, kTwoRuns + kStartLinear + EndOfFile(),
     "0x00000100-0x00000102 3 bytes\n"
     "0x00000200-0x00000200 1 byte\n"
     "start address 0x08000101\n"
     "4 bytes in 2 ranges\n", kHexOnly},
    {"InfoBeyondTheImageLimit", {"--info"},
     Data(0, {1}) + test::LinearBase(0xFFFF) + Data(0xFFFF, {2}) + EndOfFile(),
     "0x00000000-0x00000000 1 byte\n"
     "0xFFFFFFFF-0xFFFFFFFF 1 byte\n"
     "2 bytes in 2 ranges\n", kHexOnly},
    {"InfoWithoutData", {"--info"}, EndOfFile(), "0 bytes in 0 ranges\n", kHexOnly},
};
// clang-format on

TEST(RunHex2Bin, WritesTheImageAndPrintsItsSummary)
{
    for (const GoodRun &r : kGoodRuns) {
        SCOPED_TRACE(r.name);
        ScratchFolder folder;
        std::vector<std::string> args;
        for (const std::string &option : r.options)
            args.push_back(!args.empty() && args.back() == "-o" ? folder.File(option) : option);
        args.push_back(folder.Write("fw.hex", r.text));
        const Outcome o = Convert(args);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, "");
        std::string expected = r.out;
        if (const auto at = expected.find("BIN"); at != std::string::npos)
            expected.replace(at, 3, folder.File(r.output));
        EXPECT_EQ(o.out, expected);
        EXPECT_EQ(folder.Names(), r.names);
        if (r.bin) {
            EXPECT_EQ(ReadBytes(folder.File(r.output)), *r.bin);
        }
    }
}

TEST(RunHex2Bin, ConvertsAPathWithBlanksQuotedSplitOrThroughTheProgram)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("my fw v2.hex", Data(0, {1, 2, 3}) + EndOfFile());
    // What an unquoted start leaves of the path: one word per blank-separated piece.
    std::vector<std::string> words;
    std::istringstream pieces(hex);
    for (std::string word; std::getline(pieces, word, ' ');)
        words.push_back(word);
    ASSERT_GT(words.size(), 2u);
    const std::string command = std::string("'") + HEX2BIN_PROGRAM + "' '" + hex + "'";
    const std::function<int()> ways[] = {[&] { return Convert({hex}).status; },
                                         [&] { return Convert(words).status; },
                                         [&] { return std::system(command.c_str()); }};
    for (const auto &way : ways) {
        ASSERT_EQ(way(), 0);
        EXPECT_EQ(ReadBytes(folder.File("my fw v2.bin")), (Bytes{1, 2, 3}));
        std::filesystem::remove(folder.File("my fw v2.bin"));
    }
}

const std::string kGood = Data(0, {1, 2, 3, 4});

// How the run reports a fault of the conversion, one row for each way it comes about; every
// fault's own line and message are checked with the conversion.
TEST(RunHex2Bin, NamesTheFaultOfABadInputAndWritesNothing)
{
    const std::pair<std::string, std::string> bad[] = {
        {kGood + ":0300300002337A1F\n" + EndOfFile(),
         ":2: bad checksum 0x1F, the record's bytes need 0x1E"},
        // Found when the file is opened a second time.
        {kGood + Data(2, {3, 5}) + EndOfFile(),
         ":2: address 0x00000003 written twice with different data: 0x04 before, 0x05 here"},
        {std::string(100000, '\0'), ":1: malformed record: it does not start with ':'"},
        {kGood + test::LinearBase(0x2000) + kGood + EndOfFile(),
         ": image larger than 256 MiB: 536870916 bytes from 0x00000000"}};
    for (const auto &[text, message] : bad) {
        SCOPED_TRACE(message);
        ScratchFolder folder;
        const std::string hex = folder.Write("bad input.hex", text);
        const Outcome o = Convert({hex});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, "hex2bin: " + hex + message + "\n");
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"bad input.hex"});
    }
}

TEST(RunHex2Bin, ReplacesAnOlderOutputOnlyWithAGoodConversion)
{
    const std::string old(100, 'x');
    const std::pair<std::string, Bytes> cases[] = {{Data(0, {7}) + EndOfFile(), Bytes{7}},
                                                   {kGood, Bytes(old.begin(), old.end())}};
    for (const auto &[text, bin] : cases) {
        SCOPED_TRACE(text);
        ScratchFolder folder;
        folder.Write("fw.bin", old);
        EXPECT_EQ(Convert({folder.Write("fw.hex", text)}).status, text == kGood ? 1 : 0);
        EXPECT_EQ(ReadBytes(folder.File("fw.bin")), bin);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"fw.bin", "fw.hex"}));
    }
}

// The folder's names, each regular file's with its bytes.
std::vector<std::pair<std::string, Bytes>> Contents(const ScratchFolder &folder)
{
    std::vector<std::pair<std::string, Bytes>> contents;
    for (const std::string &name : folder.Names()) {
        const bool file = std::filesystem::is_regular_file(folder.File(name));
        contents.emplace_back(name, file ? ReadBytes(folder.File(name)) : Bytes{});
    }
    return contents;
}

TEST(RunHex2Bin, RefusesAnInputItCannotUseAndTouchesNothing)
{
    ScratchFolder folder;
    // Opening a FIFO without a writer would block for ever.
    EXPECT_EQ(::mkfifo(folder.File("pipe.hex").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.File("dir.hex"));
    const std::string bin = folder.Write("fw.bin", kGood + EndOfFile());
    const std::string none = folder.File("none.hex"), out = folder.File("out.bin");
    // clang-format off
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{none}, "cannot open " + none + ": No such file or directory"},
        {{bin}, bin + ": the output would replace the HEX file itself"},
        {{"-o", out, "/dev/zero"}, "/dev/zero: Is a device, not a regular file"},
        {{"-o", out, folder.File("pipe.hex")},
         folder.File("pipe.hex") + ": Is a FIFO (named pipe), not a regular file"},
        {{"-o", out, folder.File("dir.hex")}, folder.File("dir.hex") + ": Is a folder, not a file"}};
    // clang-format on
    const auto before = Contents(folder);
    for (const auto &[args, message] : cases) {
        SCOPED_TRACE(message);
        const Outcome o = Convert(args);
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, "hex2bin: " + message + "\n");
        EXPECT_EQ(Contents(folder), before);
    }
}

TEST(RunHex2Bin, NamesAnOutputItCannotCreateAndLeavesTheFolderAsItWas)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("fw.hex", kGood + EndOfFile());
    std::filesystem::create_directory(folder.File("fw.bin"));
    const auto before = Contents(folder);
    const std::string nowhere = folder.File("no/such/folder.bin");
    const Outcome noFolder = Convert({"-o", nowhere, hex});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err.rfind("hex2bin: cannot create " + nowhere, 0), 0u) << noFolder.err;
    const Outcome aFolder = Convert({hex});
    EXPECT_EQ(aFolder.status, 1);
    EXPECT_NE(aFolder.err.find(folder.File("fw.bin")), std::string::npos) << aFolder.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("fw.bin")));
    EXPECT_EQ(Contents(folder), before);
}

TEST(RunHex2Bin, AWriteThatFailsPartWayKeepsTheOldOutput)
{
    ScratchFolder folder;
    folder.Write("big.bin", "old");
    // 256 KiB of data, far beyond the file-size limit set below, one extended linear address
    // record per 64 KiB page.
    std::string paged;
    for (unsigned page = 0; page < 4; ++page) {
        paged += test::LinearBase(page);
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

TEST(RunHex2Bin, NamesItselfAsTheCallerAsksInHelpAndFaults)
{
    ScratchFolder folder;
    const std::string hex = folder.Write("fw.hex", kGood);
    for (const char *caller : {static_cast<const char *>(nullptr), "zolvik hex2bin"}) {
        const std::string name = caller ? caller : "hex2bin";
        SCOPED_TRACE(name);
        const Outcome usage = Convert({}, caller);
        EXPECT_EQ(usage.status, 1);
        EXPECT_EQ(usage.err, name + ": no HEX file given (" + name + " -h shows the usage)\n");
        const Outcome bad = Convert({hex}, caller);
        EXPECT_EQ(bad.status, 1);
        EXPECT_EQ(bad.err, name + ": " + hex + ":1: missing end-of-file record\n");
        const Outcome help = Convert({"-h"}, caller);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: " + name + " [options] FILE.hex\n", 0), 0u);
    }
}

}  // namespace
}  // namespace hex2bin
