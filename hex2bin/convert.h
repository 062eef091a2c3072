#pragma once
// Intel HEX or Motorola S-record text to a flat binary image: the whole conversion apart from files and the command
// line, so that tests and fuzzers can drive it on plain text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "hex2bin/hex_reader.h"
#include "hex2bin/line_reader.h"
#include "hex2bin/sparse_image.h"

namespace hex2bin {

inline constexpr std::uint64_t kMaxImageSize = std::uint64_t{256} << 20;

struct ConvertOptions {
    std::uint8_t fill = 0xFF;             // value of the bytes no record writes
    std::optional<std::uint64_t> start;   // first address written; lowest data address if unset
    std::optional<std::uint64_t> length;  // bytes written; up to the highest data address if unset
    std::uint64_t maxSize = kMaxImageSize;  // larger images are refused
};

// The binary image: `length` bytes for the addresses from `start` on, holding the bytes `data`
// writes inside that range and `fill` everywhere else.
struct BinaryImage {
    std::uint64_t start = 0;
    std::uint64_t length = 0;
    std::uint8_t fill = 0xFF;
    const SparseImage *data = nullptr;

    // Calls `visit` with each run of data inside the range, clipped to it, in ascending order.
    template <typename Visit>
    void ForEachRun(Visit &&visit) const
    {
        const std::uint64_t end = length > UINT64_MAX - start ? UINT64_MAX : start + length;
        for (std::size_t i = 0; data && i < data->RunCount(); ++i) {
            ByteRun run = data->Run(i);
            const std::uint64_t from = std::max(run.address, start);
            const std::uint64_t to = std::min(run.End(), end);
            if (from >= to)
                continue;
            run.bytes += from - run.address;
            run.address = from;
            run.count = static_cast<std::size_t>(to - from);
            visit(run);
        }
    }
    std::vector<ByteRun> Runs() const;
};

// The image and the storage its runs point into, or the reason there is none.
class Conversion {
public:
    const std::optional<HexError> &error() const { return error_; }
    bool ok() const { return !error_; }
    // Valid as long as the conversion is neither moved nor destroyed.
    BinaryImage image() const { return BinaryImage{start_, length_, fill_, &data_}; }

    // The image as one block of bytes; for tests and small images.
    std::vector<std::uint8_t> Bytes() const;

    // Every byte the file writes, whatever the range asked for.
    const SparseImage &data() const { return data_; }
    // The start address the file gives, if it gives one.
    std::optional<std::uint32_t> startAddress() const { return startAddress_; }

private:
    friend Conversion ConvertText(const std::function<TextSource()> &open,
                                  const ConvertOptions &options, std::uint64_t sizeHint);

    std::optional<HexError> error_;
    SparseImage data_;
    std::uint64_t start_ = 0;
    std::uint64_t length_ = 0;
    std::uint8_t fill_ = 0xFF;
    std::optional<std::uint32_t> startAddress_;
};

// Opens a text from its start. The conversion opens it once, and once more only to name the
// record at the bottom of a conflict.
using TextOpener = std::function<TextSource()>;

// Converts an Intel HEX or S-record text read in pieces (see ReadRecords). The written range runs from the lowest to the
// highest address any data record writes, or as set by `options.start` and `options.length`:
// bytes outside it are dropped, addresses inside it that no record writes hold `options.fill`.
// A text without data gives an empty image unless a length is asked for. Faults are reported in
// this order: the first fault of a line in file order (see ReadHex and ReadSrec), then an address written
// twice with different bytes (the lowest such address, naming the first record that disagrees
// there), then a range larger than `options.maxSize` (line 0). `sizeHint`, the size of the text
// when known, lets the image make room for its bytes at once.
Conversion ConvertText(const TextOpener &open, const ConvertOptions &options,
                       std::uint64_t sizeHint = 0);

// The same on a text held in memory.
Conversion ConvertHex(std::string_view text, const ConvertOptions &options = {});

}  // namespace hex2bin
