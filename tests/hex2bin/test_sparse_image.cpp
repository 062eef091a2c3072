#include <gtest/gtest.h>

#include <numeric>

#include "hex2bin/sparse_image.h"

namespace hex2bin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Counting(std::size_t count, std::uint8_t first)
{
    Bytes bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

// The runs as (address, bytes) pairs, for comparing whole images.
std::vector<std::pair<std::uint64_t, Bytes>> Listed(const SparseImage &image)
{
    std::vector<std::pair<std::uint64_t, Bytes>> listed;
    for (const ByteRun &run : image.Runs())
        listed.emplace_back(run.address, Bytes(run.bytes, run.bytes + run.count));
    return listed;
}

TEST(SparseImage, MergesConsecutiveWritesIntoOneRun)
{
    SparseImage image;
    const Bytes a = Counting(4, 0), b = Counting(4, 4);
    image.Write(0x100, a.data(), a.size());
    image.Write(0x104, b.data(), b.size());
    EXPECT_FALSE(image.Seal());
    EXPECT_EQ(Listed(image),
              (std::vector<std::pair<std::uint64_t, Bytes>>{{0x100, Counting(8, 0)}}));
    EXPECT_EQ(image.Lowest(), 0x100u);
    EXPECT_EQ(image.End(), 0x108u);
}

TEST(SparseImage, OrdersRunsWrittenOutOfOrder)
{
    SparseImage image;
    const Bytes a = Counting(2, 10), b = Counting(2, 20), c = Counting(2, 30);
    image.Write(0x20, c.data(), c.size());
    image.Write(0x00, a.data(), a.size());
    image.Write(0x10, b.data(), b.size());
    EXPECT_FALSE(image.Seal());
    EXPECT_EQ(Listed(image),
              (std::vector<std::pair<std::uint64_t, Bytes>>{{0x00, a}, {0x10, b}, {0x20, c}}));
    EXPECT_EQ(image.Lowest(), 0x00u);
    EXPECT_EQ(image.End(), 0x22u);
}

TEST(SparseImage, FoldsAgreeingOverlapsIntoDisjointRuns)
{
    // 0..99 counting; a copy of 50..199; a piece inside the first; one straddling both.
    const Bytes all = Counting(200, 0);
    SparseImage image;
    image.Write(0, all.data(), 100);
    image.Write(50, all.data() + 50, 150);
    image.Write(60, all.data() + 60, 10);
    image.Write(90, all.data() + 90, 20);
    EXPECT_FALSE(image.Seal());
    Bytes joined;
    std::uint64_t expectedAddress = 0;
    for (const ByteRun &run : image.Runs()) {
        EXPECT_EQ(run.address, expectedAddress);
        joined.insert(joined.end(), run.bytes, run.bytes + run.count);
        expectedAddress = run.End();
    }
    EXPECT_EQ(joined, all);
}

TEST(SparseImage, FindsTheLowestConflictAcrossSeveralRuns)
{
    const Bytes all = Counting(200, 0);
    SparseImage image;
    image.Write(0, all.data(), 100);
    image.Write(50, all.data() + 50, 150);
    Bytes straddling(all.begin() + 90, all.begin() + 110);
    straddling[15] = 0xEE;  // address 105, inside the second run's part
    image.Write(90, straddling.data(), straddling.size());
    Bytes early(all.begin() + 120, all.begin() + 130);
    early[2] = 0xDD;  // address 122
    image.Write(120, early.data(), early.size());
    EXPECT_EQ(image.Seal(), 105u);
}

TEST(SparseImage, AWriteStartingBelowAFoldedRunIsComparedWithIt)
{
    // After folding, the run from 100 starts above the write at 60..109.
    const Bytes all = Counting(200, 0);
    SparseImage image;
    image.Write(0, all.data(), 100);
    image.Write(50, all.data() + 50, 150);
    Bytes late(all.begin() + 60, all.begin() + 110);
    late.back() = 0;  // address 109
    image.Write(60, late.data(), late.size());
    EXPECT_EQ(image.Seal(), 109u);
}

TEST(SparseImage, RewritingTheSameAddressesKeepsTheMemoryBounded)
{
    // 10000 rewrites of the same 64 bytes; the last differs at address 0x1010.
    SparseImage image(4096);
    const Bytes same = Counting(64, 0);
    for (int i = 0; i < 10000; ++i) {
        image.Write(0x1000 + (i % 2), same.data() + (i % 2), same.size() - 1);
        EXPECT_LE(image.Held(), 2 * 4096u);
    }
    Bytes last = same;
    last[0x10] = 0xEE;
    image.Write(0x1000, last.data(), last.size());
    EXPECT_EQ(image.Seal(), 0x1010u);
    Bytes joined;
    for (const auto &[address, bytes] : Listed(image)) {
        EXPECT_EQ(address, 0x1000 + joined.size());
        joined.insert(joined.end(), bytes.begin(), bytes.end());
    }
    EXPECT_EQ(joined, same);
}

TEST(SparseImage, StaysEmptyWithoutWrites)
{
    SparseImage image;
    const Bytes none;
    image.Write(5, none.data(), 0);
    EXPECT_FALSE(image.Seal());
    EXPECT_TRUE(image.Empty());
    EXPECT_TRUE(image.Runs().empty());
}

}  // namespace
}  // namespace hex2bin
