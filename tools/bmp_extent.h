#pragma once
// How many bytes a Windows bitmap file says it holds, read from its own headers, so that a
// cut-off file is refused before any pixel is decoded.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zolvik {

// The length the file's headers require: the larger of the file header's total size and the
// pixel array's end (its offset plus, for uncompressed pixels, the padded rows times the
// height, or for compressed ones the image size of the info header). Empty when the bytes do
// not start with the "BM" file header and a whole info header.
std::optional<std::uint64_t> BmpRequiredLength(std::span<const std::uint8_t> file);

// Whether the bytes are at least as long as their bitmap headers require.
bool BmpIsComplete(std::span<const std::uint8_t> file);

}  // namespace zolvik
