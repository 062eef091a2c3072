#pragma once
// The byte streams of the file-writing subcommands, through the file layer; "-" is standard
// input or standard output.
#include <cstdint>
#include <string>
#include <string_view>

namespace zolvik::cli {

// The whole input. Throws fileio::FileError, or InputFault when it holds more than `limit` bytes.
std::string ReadInput(const std::string &path, std::uint64_t limit);

// Replaces the file with `bytes` all or nothing, or writes them to standard output.
void WriteOutput(const std::string &path, std::string_view bytes);

// Where a file-writing subcommand writes: the -o name when given, standard output for an input
// read from standard input, else `besideInput`.
std::string OutputPath(const std::string &input, const std::string &option,
                       const std::string &besideInput);

}  // namespace zolvik::cli
