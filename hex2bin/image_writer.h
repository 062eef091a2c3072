#pragma once
// Writing the binary image through the file layer.
#include "fileio/output_file.h"
#include "hex2bin/convert.h"

namespace hex2bin {

// Writes `image` to `file`: its runs straight from where they lie, the gaps as fill bytes.
// Throws zolvik::fileio::FileError.
void WriteImage(const BinaryImage &image, zolvik::fileio::OutputFile &file);

}  // namespace hex2bin
