#pragma once
// Intel HEX text to a flat binary image: the whole conversion apart from files and the command
// line, so that tests and fuzzers can drive it on plain text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "hex2bin/hex_reader.h"
#include "hex2bin/sparse_image.h"

namespace hex2bin {

inline constexpr std::uint64_t kMaxImageSize = std::uint64_t{256} << 20;

struct ConvertOptions {
    std::uint8_t fill = 0xFF;               // value of the bytes no record writes
    std::optional<std::uint64_t> start;     // first address written; lowest data address if unset
    std::optional<std::uint64_t> length;    // bytes written; up to the highest data address if unset
    std::uint64_t maxSize = kMaxImageSize;  // larger images are refused
};

// The binary image: `length` bytes for the addresses from `start` on, holding the bytes of
// `runs` (all inside that range, ascending, without overlaps) and `fill` everywhere else.
struct BinaryImage {
    std::uint64_t start = 0;
    std::uint64_t length = 0;
    std::uint8_t fill = 0xFF;
    std::vector<ByteRun> runs;
};

// The image and the storage its runs point into, or the reason there is none.
class Conversion {
public:
    Conversion() = default;
    // The runs point into the storage, which moves along but must not be copied.
    Conversion(const Conversion &) = delete;
    Conversion &operator=(const Conversion &) = delete;
    Conversion(Conversion &&) = default;
    Conversion &operator=(Conversion &&) = default;

    const std::optional<HexError> &error() const { return error_; }
    bool ok() const { return !error_; }
    const BinaryImage &image() const { return image_; }

    // The image as one block of bytes; for tests and small images.
    std::vector<std::uint8_t> Bytes() const;

private:
    friend Conversion ConvertHex(std::string_view text, const ConvertOptions &options);

    std::optional<HexError> error_;
    SparseImage data_;
    BinaryImage image_;
};

// Converts an Intel HEX text. The written range runs from the lowest to the highest address any
// data record writes, or as set by `options.start` and `options.length`: bytes outside it are
// dropped, addresses inside it that no record writes hold `options.fill`. A text without data
// gives an empty image unless a length is asked for. Faults are reported in this order: the first
// fault of a line in file order (see ReadHex), then an address written twice with different
// bytes (the lowest such address, naming the first record that disagrees there), then a range
// larger than `options.maxSize` (line 0).
Conversion ConvertHex(std::string_view text, const ConvertOptions &options = {});

}  // namespace hex2bin
