#pragma once
// Reading the HEX text and writing the binary image, with an output that appears only when whole.
#include <string>

#include "hex2bin/convert.h"

namespace hex2bin {

// Reads a whole file in large blocks. Throws std::runtime_error with the system's reason.
std::string ReadWholeFile(const std::string &path);

// Writes `image` to a new temporary file in the folder of `path` and renames it to `path` once
// every byte is written. On any failure the temporary file is removed, `path` is left as it was,
// and std::runtime_error is thrown with the system's reason.
void WriteImageFile(const BinaryImage &image, const std::string &path);

}  // namespace hex2bin
