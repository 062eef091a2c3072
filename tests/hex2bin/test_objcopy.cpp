// Random images against objcopy, which reads Intel HEX the way firmware tools have for decades.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>

#include "hex_text.h"
#include "tests/support/scratch_folder.h"

namespace hex2bin {
namespace {

using ::zolvik::test::ReadBytes;
using ::zolvik::test::ScratchFolder;

using Bytes = std::vector<std::uint8_t>;

enum class Addressing { None, Segment, Linear };

struct RandomImage {
    std::string text;
    std::map<std::uint64_t, std::uint8_t> bytes;  // address -> value, every byte written
};

// Blocks of data with gaps between them, cut into records of random sizes, written in a shuffled
// order with the base records each needs, in random letter case and line ends.
RandomImage MakeImage(std::mt19937 &random, Addressing addressing)
{
    RandomImage image;
    std::uniform_int_distribution<int> byte(0, 255);
    const int blocks = std::uniform_int_distribution<int>(1, 6)(random);

    struct Piece {
        std::uint64_t address;
        Bytes data;
    };
    std::vector<Piece> pieces;
    std::uint64_t address = addressing == Addressing::Linear
                                ? std::uniform_int_distribution<std::uint64_t>(0, 0xFFFF)(random)
                                      << 12
                                : std::uniform_int_distribution<std::uint64_t>(0, 0x3FFF)(random);
    for (int b = 0; b < blocks; ++b) {
        address += std::uniform_int_distribution<int>(0, 0x3000)(random);
        const int size = std::uniform_int_distribution<int>(1, 3000)(random);
        int done = 0;
        while (done < size) {
            const int n = std::min(size - done, std::uniform_int_distribution<int>(1, 64)(random));
            Piece piece{address + done, {}};
            for (int i = 0; i < n; ++i) {
                piece.data.push_back(static_cast<std::uint8_t>(byte(random)));
                image.bytes[piece.address + i] = piece.data.back();
            }
            pieces.push_back(piece);
            done += n;
        }
        address += size;
    }
    std::shuffle(pieces.begin(), pieces.end(), random);

    auto emit = [&](std::string line) {
        if (random() % 3 == 0)
            std::transform(line.begin(), line.end(), line.begin(), [](char c) {
                return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            });
        if (random() % 2 == 0)
            line.insert(line.size() - 1, "\r");
        if (random() % 8 == 0)
            line += "\n";
        image.text += line;
    };

    if (addressing == Addressing::Segment)
        emit(test::Record(0x03, 0, {0x12, 0x34, 0x00, 0x10}));
    for (const Piece &piece : pieces) {
        std::uint64_t offset = piece.address;
        if (addressing == Addressing::Linear) {
            emit(test::LinearBase(static_cast<unsigned>(piece.address >> 16)));
            offset = piece.address & 0xFFFF;
        } else if (addressing == Addressing::Segment) {
            // The segment whose start is the piece's address rounded down to 16 bytes.
            emit(test::SegmentBase(static_cast<unsigned>(piece.address >> 4)));
            offset = piece.address & 0xF;
        }
        // A linear record may not run past its 64 KiB page, so it is cut there.
        const std::size_t first = addressing == Addressing::Linear
                                      ? std::min<std::size_t>(piece.data.size(), 0x10000 - offset)
                                      : piece.data.size();
        emit(test::Data(static_cast<unsigned>(offset),
                        Bytes(piece.data.begin(), piece.data.begin() + first)));
        if (first < piece.data.size()) {
            emit(test::LinearBase(static_cast<unsigned>((piece.address >> 16) + 1)));
            emit(test::Data(0, Bytes(piece.data.begin() + first, piece.data.end())));
        }
    }
    if (addressing == Addressing::Linear)
        emit(test::Record(0x05, 0, {0x08, 0x00, 0x01, 0x01}));
    image.text += test::EndOfFile();
    return image;
}

bool HaveObjcopy()
{
    return std::system("command -v objcopy > /dev/null 2>&1") == 0;
}

std::string Quoted(const std::string &path)
{
    return "'" + path + "'";
}

class AgainstObjcopy : public testing::TestWithParam<Addressing> {};

TEST_P(AgainstObjcopy, RandomImagesConvertByteForByte)
{
    if (!HaveObjcopy())
        GTEST_SKIP() << "objcopy is not on the PATH";
    std::mt19937 random(1234u + static_cast<unsigned>(GetParam()));
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ScratchFolder folder;
        const RandomImage image = MakeImage(random, GetParam());
        const std::string hex = folder.Write("image.hex", image.text);
        const std::string ours = folder.File("ours.bin");
        const std::string theirs = folder.File("objcopy.bin");

        ASSERT_EQ(std::system(
                      (Quoted(HEX2BIN_PROGRAM) + " -f 0x00 -o " + Quoted(ours) + " " + Quoted(hex))
                          .c_str()),
                  0);
        ASSERT_EQ(std::system(
                      ("objcopy -I ihex -O binary " + Quoted(hex) + " " + Quoted(theirs)).c_str()),
                  0);
        const Bytes expected = ReadBytes(theirs);
        ASSERT_EQ(expected.size(), image.bytes.rbegin()->first - image.bytes.begin()->first + 1);
        EXPECT_TRUE(ReadBytes(ours) == expected);
    }
}

TEST_P(AgainstObjcopy, WrittenRangesMatchWithTheDefaultFill)
{
    if (!HaveObjcopy())
        GTEST_SKIP() << "objcopy is not on the PATH";
    std::mt19937 random(99u + static_cast<unsigned>(GetParam()));
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ScratchFolder folder;
        const RandomImage image = MakeImage(random, GetParam());
        const std::string hex = folder.Write("image.hex", image.text);
        ASSERT_EQ(std::system((Quoted(HEX2BIN_PROGRAM) + " " + Quoted(hex)).c_str()), 0);
        ASSERT_EQ(std::system(("objcopy -I ihex -O binary " + Quoted(hex) + " " +
                               Quoted(folder.File("objcopy.bin")))
                                  .c_str()),
                  0);
        const Bytes ours = ReadBytes(folder.File("image.bin"));
        const Bytes theirs = ReadBytes(folder.File("objcopy.bin"));
        ASSERT_EQ(ours.size(), theirs.size());
        const std::uint64_t lowest = image.bytes.begin()->first;
        std::size_t mismatches = 0;
        for (std::size_t i = 0; i < ours.size(); ++i) {
            const bool written = image.bytes.count(lowest + i) != 0;
            if (ours[i] != (written ? theirs[i] : 0xFF))
                ++mismatches;
        }
        EXPECT_EQ(mismatches, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Addressing, AgainstObjcopy,
                         testing::Values(Addressing::None, Addressing::Segment, Addressing::Linear),
                         [](const testing::TestParamInfo<Addressing> &info) {
                             switch (info.param) {
                             case Addressing::None: return "NoBase";
                             case Addressing::Segment: return "Segment";
                             case Addressing::Linear: return "Linear";
                             }
                             return "Unknown";
                         });

}  // namespace
}  // namespace hex2bin
