#pragma once
// ROM tables: any file as a VHDL ROM constant or a C array of bytes, words or double words,
// written as text beside the input under the same name with the extension ".txt".
//
// The writer streams: it reads and writes through fixed buffers of at least 64 KiB, so
// its memory does not grow with the input, and the output appears under its name only
// when it is complete.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zolvik {

enum class RomFormat { Vhdl, C };

struct RomTableLayout {
    int elementBytes = 1;          // 1, 2 or 4; elements are little-endian
    RomFormat format = RomFormat::C;
    std::int32_t columns = 8;      // elements per data line, counted in 8 bits (0 gives 256)
    std::int32_t tabs = 1;         // data lines get this many tabs, header and footer one fewer
};

// Bytes the writer asks for at a time and hands on at a time.
inline constexpr std::size_t kRomTableReadChunk = 256 * 1024;
inline constexpr std::size_t kRomTableWriteChunk = 1024 * 1024;

// The input's name with its extension (from the last "." of the file name on) replaced by
// ".txt"; a name without extension gets ".txt" appended.
std::string RomTableOutputName(std::string_view inputName);

// The message shown for an input/output error number (2 "The specified file was not
// found", 5 "File access denied", 101 "Disk full", ..., else "I/O error <n>").
std::string IoErrorMessage(int number);

// The error number for a failed file operation's errno value.
int IoErrorNumberFromErrno(int errnoValue);

// `read` must fill exactly the bytes asked for (or throw); `write` receives the text.
using RomTableRead = std::function<void(char *buffer, std::size_t count)>;
using RomTableWrite = std::function<void(const char *data, std::size_t count)>;

// The whole table for `elementCount` elements: header, data lines and footer, every line
// ending in CR LF.
void WriteRomTable(std::uint64_t elementCount, const RomTableLayout &layout,
                   const RomTableRead &read, const RomTableWrite &write);

// The table of an input held in memory; a remainder of fewer bytes than an element is
// ignored.
std::string RomTableText(std::string_view input, const RomTableLayout &layout);

// Writes the table of the file `inputPath` to RomTableOutputName(inputPath) and returns
// that name. The input is opened read-only. An output that would be the input itself is
// refused before anything is opened for writing. The table goes to a temporary file in
// the same folder that replaces the output only when complete; on any failure the
// temporary is removed and Error is thrown with the message of its error number.
std::string WriteRomTableFile(const std::string &inputPath, const RomTableLayout &layout);

// The same from `inputPath` to `outputPath`, by the same rules; "-" names standard input or
// standard output. An input of unknown size, such as a pipe, is read whole before the table
// is written.
void WriteRomTableFile(const std::string &inputPath, const std::string &outputPath,
                       const RomTableLayout &layout);

}  // namespace zolvik
