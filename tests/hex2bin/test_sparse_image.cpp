#include <gtest/gtest.h>

#include <numeric>
#include <optional>

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

// The runs' bytes joined, checking that each run starts where the one before ended.
Bytes Joined(const SparseImage &image, std::uint64_t from)
{
    Bytes joined;
    for (const auto &[address, bytes] : Listed(image)) {
        EXPECT_EQ(address, from + joined.size());
        joined.insert(joined.end(), bytes.begin(), bytes.end());
    }
    return joined;
}

using Writes = std::vector<std::pair<std::uint64_t, Bytes>>;

// Bytes 0 to 199 counting, and the part of them from `from` to `to` with `at` changed to `value`.
const Bytes kAll = Counting(200, 0);
Bytes Part(std::size_t from, std::size_t to, std::size_t at = SIZE_MAX, std::uint8_t value = 0)
{
    Bytes part(kAll.begin() + from, kAll.begin() + to);
    if (at >= from && at < to)
        part[at - from] = value;
    return part;
}

TEST(SparseImage, OrdersAndMergesRuns)
{
    struct Case {
        Writes writes;
        Writes runs;
        std::uint64_t lowest, end;
    };
    // clang-format off
    const Case cases[] = {
        // Consecutive writes merge into one run.
        {{{0x100, Counting(4, 0)}, {0x104, Counting(4, 4)}}, {{0x100, Counting(8, 0)}},
         0x100, 0x108},
        {{{0x20, Counting(2, 30)}, {0x00, Counting(2, 10)}, {0x10, Counting(2, 20)}},
         {{0x00, Counting(2, 10)}, {0x10, Counting(2, 20)}, {0x20, Counting(2, 30)}}, 0x00, 0x22}};
    // clang-format on
    for (const Case &c : cases) {
        SparseImage image;
        for (const auto &[address, bytes] : c.writes)
            image.Write(address, bytes.data(), bytes.size());
        EXPECT_FALSE(image.Seal());
        EXPECT_EQ(Listed(image), c.runs);
        EXPECT_EQ(image.Lowest(), c.lowest);
        EXPECT_EQ(image.End(), c.end);
    }
}

TEST(SparseImage, FoldsAgreeingOverlapsAndFindsTheLowestConflict)
{
    // clang-format off
    const std::pair<Writes, std::optional<std::uint64_t>> cases[] = {
        // 0..99; a copy of 50..199; a piece inside the first; one straddling both: all agree.
        {{{0, Part(0, 100)}, {50, Part(50, 200)}, {60, Part(60, 70)}, {90, Part(90, 110)}}, {}},
        // Across several runs: 105 inside the second run's part of a straddling write, and 122.
        {{{0, Part(0, 100)}, {50, Part(50, 200)}, {90, Part(90, 110, 105, 0xEE)},
          {120, Part(120, 130, 122, 0xDD)}}, 105},
        // After folding, the run from 100 starts above the write at 60..109.
        {{{0, Part(0, 100)}, {50, Part(50, 200)}, {60, Part(60, 110, 109, 0)}}, 109}};
    // clang-format on
    for (const auto &[writes, conflict] : cases) {
        SparseImage image;
        for (const auto &[address, bytes] : writes)
            image.Write(address, bytes.data(), bytes.size());
        EXPECT_EQ(image.Seal(), conflict);
        if (!conflict) {
            EXPECT_EQ(Joined(image, 0), kAll);
        }
    }
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
    EXPECT_EQ(Joined(image, 0x1000), same);
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
