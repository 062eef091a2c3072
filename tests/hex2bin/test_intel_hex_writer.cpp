// Binary to Intel HEX: exact text for hand-worked cases, and objcopy reading it back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "hex2bin/convert.h"
#include "hex2bin/intel_hex_writer.h"
#include "tests/support/scratch_folder.h"

namespace hex2bin {
namespace {

using ::zolvik::test::ReadBytes;
using ::zolvik::test::ScratchFolder;

using Bytes = std::vector<std::uint8_t>;

struct HexCase {
    const char *name;
    Bytes bytes;
    std::uint64_t address;
    std::string text;
};

// clang-format off
const HexCase kImages[] = {
    {"Empty", {}, 0, ":00000001FF\r\n"},
    {"SeventeenBytesFromZero", Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 0,
     ":10000000000102030405060708090A0B0C0D0E0F78\r\n:0100100010DF\r\n:00000001FF\r\n"},
    // The upper half is set first, and again where the bytes cross into the next 64 KiB.
    {"AcrossAPage", {0x01, 0x02}, 0x0800FFFF,
     ":020000040800F2\r\n:01FFFF000100\r\n:020000040801F1\r\n:0100000002FD\r\n:00000001FF\r\n"},
    {"LastByteOfTheAddressSpace", {0xA5}, 0xFFFFFFFF,
     ":02000004FFFFFC\r\n:01FFFF00A55C\r\n:00000001FF\r\n"},
};
// clang-format on

// The records by hand, the same whether the bytes come at once or in pieces.
TEST(IntelHexWriter, WritesTheRecordsByHandHoweverTheBytesArrive)
{
    for (const HexCase &c : kImages) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IntelHexText(c.bytes, c.address), c.text);
        std::string text;
        IntelHexWriter writer(c.address, [&text](std::string_view piece) { text += piece; });
        for (std::size_t at = 0; at < c.bytes.size(); at += 7)
            writer.Append(c.bytes.data() + at, std::min<std::size_t>(7, c.bytes.size() - at));
        writer.Finish();
        EXPECT_EQ(text, c.text);
    }
}

TEST(IntelHexWriter, RefusesBytesPastTheAddressSpace)
{
    const Bytes two(2, 0);
    EXPECT_THROW(IntelHexText(two, 0xFFFFFFFF), std::out_of_range);
}

// Written from memory and from a stream alike; objcopy and the converter read it back.
TEST(IntelHexWriter, ObjcopyAndTheConverterReadTheFileBack)
{
    std::mt19937 random(42);
    Bytes bytes(200000);
    for (auto &b : bytes)
        b = static_cast<std::uint8_t>(random());
    const std::uint64_t address = 0x0800FFF3;

    ScratchFolder folder;
    const std::string hex = folder.File("image.hex");
    {
        zolvik::fileio::OutputFile out(hex);
        WriteIntelHex(bytes, address, out);
        out.Commit();
        const std::string bin = folder.Write("in.bin", std::string(bytes.begin(), bytes.end()));
        zolvik::fileio::InputFile in = zolvik::fileio::InputFile::Open(bin);
        zolvik::fileio::OutputFile streamed(folder.File("streamed.hex"));
        WriteIntelHex(in, address, streamed);
        streamed.Commit();
    }
    const auto text = ReadBytes(hex);
    EXPECT_TRUE(ReadBytes(folder.File("streamed.hex")) == text);
    const Conversion back = ConvertHex(std::string(text.begin(), text.end()));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.image().start, address);
    EXPECT_TRUE(back.Bytes() == bytes);

    if (std::system("command -v objcopy > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "objcopy is not on the PATH";
    const std::string command =
        "objcopy -I ihex -O binary '" + hex + "' '" + folder.File("objcopy.bin") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(ReadBytes(folder.File("objcopy.bin")) == bytes);
}

}  // namespace
}  // namespace hex2bin
