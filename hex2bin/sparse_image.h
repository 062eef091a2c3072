#pragma once
// The bytes a record file writes, kept as runs of consecutive addresses, in a memory footprint
// that follows the data written rather than the address range it spans: the bytes themselves
// and 16 bytes for each run.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace hex2bin {

// A run of bytes at consecutive addresses.
struct ByteRun {
    std::uint64_t address = 0;
    const std::uint8_t *bytes = nullptr;
    std::size_t count = 0;

    std::uint64_t End() const { return address + count; }
};

class SparseImage {
public:
    // `foldAt`: the memory held, bytes and runs, at which writing first folds the runs.
    explicit SparseImage(std::size_t foldAt = std::size_t{64} << 20) : foldAt_(foldAt) {}

    // Makes room for `count` bytes in all, so that writing them moves nothing.
    void Reserve(std::size_t count) { bytes_.reserve(count); }

    // Records `count` bytes written at `address`; the bytes lie within the 4 GiB address space.
    // A write that continues the previous one extends it in place, so an ordinary file makes only
    // a few runs. When the bytes and runs held have grown to twice what they were after the last
    // fold, they are folded (see Seal), so that rewriting the same addresses over and over takes
    // no more memory.
    void Write(std::uint64_t address, const std::uint8_t *bytes, std::size_t count);

    // Orders the runs by address and folds overlapping ones together. Returns the lowest address
    // that was written twice with different bytes, if any; the image then keeps the byte of the
    // run that starts lower. After sealing, Runs() hold no overlaps.
    std::optional<std::uint64_t> Seal();

    // The memory the bytes and the runs take.
    std::size_t Held() const { return bytes_.size() + runs_.size() * sizeof(Chunk); }

    bool Empty() const { return runs_.empty(); }
    // Lowest and one past the highest address written; only meaningful when not empty.
    std::uint64_t Lowest() const { return lowest_; }
    std::uint64_t End() const { return end_; }

    // The runs in ascending address order, without overlaps; valid after Seal().
    std::size_t RunCount() const { return runs_.size(); }
    ByteRun Run(std::size_t index) const;
    std::vector<ByteRun> Runs() const;

private:
    struct Chunk {
        std::uint64_t offset;  // position of the first byte in bytes_
        std::uint32_t address;
        std::uint32_t count;

        std::uint64_t End() const { return std::uint64_t{address} + count; }
    };

    void Fold();
    // Moves the bytes of the runs together, dropping those that folding left unused.
    void Compact();

    std::vector<std::uint8_t> bytes_;
    std::vector<Chunk> runs_;
    std::optional<std::uint64_t> conflict_;
    std::size_t foldAt_;  // memory held that triggers the next fold
    std::uint64_t lowest_ = 0;
    std::uint64_t end_ = 0;
};

}  // namespace hex2bin
