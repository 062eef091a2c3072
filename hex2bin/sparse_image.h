#pragma once
// The bytes a HEX file writes, kept as runs of consecutive addresses, in a memory footprint that
// follows the data written rather than the address range it spans.
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
    // Makes room for `count` bytes in all, so that writing them moves nothing.
    void Reserve(std::size_t count) { bytes_.reserve(count); }

    // Records `count` bytes written at `address`. A write that continues the previous one
    // extends it in place, so an ordinary file makes only a few runs.
    void Write(std::uint64_t address, const std::uint8_t *bytes, std::size_t count);

    // Orders the runs by address and folds overlapping ones together. Returns the lowest address
    // that was written twice with different bytes, if any; the image then keeps the byte of the
    // run that starts lower. After sealing, Runs() hold no overlaps and no further writes follow.
    std::optional<std::uint64_t> Seal();

    bool Empty() const { return runs_.empty(); }
    // Lowest and one past the highest address written; only meaningful when not empty.
    std::uint64_t Lowest() const { return lowest_; }
    std::uint64_t End() const { return end_; }

    // The runs in ascending address order, without overlaps; valid after Seal().
    std::vector<ByteRun> Runs() const;

private:
    struct Chunk {
        std::uint64_t address;
        std::size_t offset;  // position of the first byte in bytes_
        std::size_t count;
    };

    std::vector<std::uint8_t> bytes_;
    std::vector<Chunk> runs_;
    std::uint64_t lowest_ = 0;
    std::uint64_t end_ = 0;
};

}  // namespace hex2bin
