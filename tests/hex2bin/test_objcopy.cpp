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
            int n = std::min(size - done, std::uniform_int_distribution<int>(1, 64)(random));
            // A linear record may not run past its 64 KiB page, so a piece ends there.
            n = static_cast<int>(std::min<std::uint64_t>(n, 0x10000 - ((address + done) & 0xFFFF)));
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
        emit(test::Data(static_cast<unsigned>(offset), piece.data));
    }
    if (addressing == Addressing::Linear)
        emit(test::Record(0x05, 0, {0x08, 0x00, 0x01, 0x01}));
    image.text += test::EndOfFile();
    return image;
}

std::string Quoted(const std::string &path)
{
    return "'" + path + "'";
}

// Each image converted with -f 0x00 matches objcopy's byte for byte; with the default fill, the
// bytes no record writes are 0xFF and all others match.
TEST(AgainstObjcopy, RandomImagesConvertByteForByte)
{
    if (std::system("command -v objcopy > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "objcopy is not on the PATH";
    for (const Addressing addressing :
         {Addressing::None, Addressing::Segment, Addressing::Linear}) {
        std::mt19937 random(1234u + static_cast<unsigned>(addressing));
        for (int round = 0; round < 12; ++round) {
            SCOPED_TRACE("addressing " + std::to_string(static_cast<int>(addressing)) + ", round " +
                         std::to_string(round));
            ScratchFolder folder;
            const RandomImage image = MakeImage(random, addressing);
            const std::string hex = Quoted(folder.Write("image.hex", image.text));
            const std::string zeros = Quoted(folder.File("zeros.bin"));
            const std::string run = Quoted(HEX2BIN_PROGRAM) + " ";
            ASSERT_EQ(std::system((run + "-f 0x00 -o " + zeros + " " + hex).c_str()), 0);
            ASSERT_EQ(std::system((run + hex).c_str()), 0);
            ASSERT_EQ(std::system(("objcopy -I ihex -O binary " + hex + " " +
                                   Quoted(folder.File("objcopy.bin")))
                                      .c_str()),
                      0);
            const Bytes theirs = ReadBytes(folder.File("objcopy.bin"));
            const std::uint64_t lowest = image.bytes.begin()->first;
            ASSERT_EQ(theirs.size(), image.bytes.rbegin()->first - lowest + 1);
            EXPECT_TRUE(ReadBytes(folder.File("zeros.bin")) == theirs);
            const Bytes ours = ReadBytes(folder.File("image.bin"));
            ASSERT_EQ(ours.size(), theirs.size());
            std::size_t mismatches = 0;
            for (std::size_t i = 0; i < ours.size(); ++i)
                if (ours[i] != (image.bytes.count(lowest + i) != 0 ? theirs[i] : 0xFF))
                    ++mismatches;
            EXPECT_EQ(mismatches, 0u);
        }
    }
}

}  // namespace
}  // namespace hex2bin
