#pragma once
// Whether a PNG file is whole, read from its own chunk framing, so that a cut-off or damaged
// file is refused before the decoder sees it (the decoder would complain on standard error).
#include <cstdint>
#include <span>

namespace zolvik {

// Whether the bytes start with the PNG signature.
bool IsPngSignature(std::span<const std::uint8_t> file);

// Whether the bytes are the signature and a run of chunks, each with its length, type, data and
// a matching CRC, up to and including IEND.
bool PngIsComplete(std::span<const std::uint8_t> file);

}  // namespace zolvik
