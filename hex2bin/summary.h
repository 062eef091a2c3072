#pragma once
// The texts that describe a file's data: the --info report and the line a conversion prints.
#include <cstdint>
#include <optional>
#include <string>

#include "hex2bin/convert.h"

namespace hex2bin {

// One line per range of consecutive addresses written ("0x00000100-0x0000010F 16 bytes"), the
// start address if the file gives one, and the total ("16 bytes in 1 range").
std::string DescribeData(const SparseImage &data, std::optional<std::uint32_t> start);

// The one line of a successful conversion: the file written, the address range it covers and
// its size, and the start address if the file gives one.
std::string DescribeWritten(const std::string &output, const BinaryImage &image,
                            std::optional<std::uint32_t> start);

}  // namespace hex2bin
