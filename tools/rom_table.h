#pragma once
// ROM tables: any file as a table of bytes, words or double words in one of the formats of
// RomFormat, written as text beside the input (see RomTableOutputName).
//
// The writer streams: it reads and writes through fixed buffers of at least 64 KiB, so
// its memory does not grow with the input, and the output appears under its name only
// when it is complete.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "tools/rom_table_format.h"

namespace zolvik {

struct RomTableLayout {
    int elementBytes = 1;  // 1, 2 or 4
    RomFormat format = RomFormat::C;
    std::int32_t columns = 8;  // elements per data line, counted in 8 bits (0 gives 256)
    std::int32_t tabs = 1;     // data lines get this many tabs, header and footer one fewer
    // The table's identifier. Empty keeps "data" (C) and "DATA_ROM" (VHDL); the formats
    // that declare a named table refuse an empty one, and WriteRomTableFile gives them
    // RomTableDefaultName of the input instead.
    std::string name = {};
    bool bigEndian = false;  // an element's first byte is its most significant
    // Pads a trailing partial element with this byte; without it the remainder is left out.
    std::optional<std::uint8_t> pad = {};
};

// Bytes the writer asks for at a time and hands on at a time.
inline constexpr std::size_t kRomTableReadChunk = 256 * 1024;
inline constexpr std::size_t kRomTableWriteChunk = 1024 * 1024;

// The message shown for an input/output error number (2 "The specified file was not
// found", 5 "File access denied", 101 "Disk full", ..., else "I/O error <n>").
std::string IoErrorMessage(int number);

// The error number for a failed file operation's errno value.
int IoErrorNumberFromErrno(int errnoValue);

// `read` must fill exactly the bytes asked for (or throw); `write` receives the text.
using RomTableRead = std::function<void(char *buffer, std::size_t count)>;
using RomTableWrite = std::function<void(const char *data, std::size_t count)>;

// Elements of a table of an input of `inputBytes` bytes: the whole ones, and a padded
// partial one when the layout pads.
std::uint64_t RomTableElementCount(std::uint64_t inputBytes, const RomTableLayout &layout);

// The whole table of an input of `inputBytes` bytes: header, data lines and footer, every
// line ending in CR LF. Only the bytes of the table's elements are read. A layout the
// format cannot write (a bad element size or name, an empty input for a format without
// empty tables) throws Error before anything is read or written.
void WriteRomTable(std::uint64_t inputBytes, const RomTableLayout &layout, const RomTableRead &read,
                   const RomTableWrite &write);

// The table of an input held in memory.
std::string RomTableText(std::string_view input, const RomTableLayout &layout);

// The layout WriteRomTableFile uses for the input `inputName`: an empty name of a format
// that declares a named table becomes RomTableDefaultName(inputName).
RomTableLayout RomTableLayoutForInput(RomTableLayout layout, std::string_view inputName);

// Writes the table of the file `inputPath`, with the layout RomTableLayoutForInput gives, to
// RomTableOutputName(inputPath, format) and returns that name. The input is opened
// read-only. An output that would be the input itself is refused before anything is
// opened for writing. The table goes to a temporary file in the same folder that replaces
// the output only when complete; on any failure the temporary is removed and Error is
// thrown with the message of its error number.
std::string WriteRomTableFile(const std::string &inputPath, const RomTableLayout &layout);

// The same from `inputPath` to `outputPath`, by the same rules; "-" names standard input or
// standard output. An input of unknown size, such as a pipe, is read whole before the table
// is written.
void WriteRomTableFile(const std::string &inputPath, const std::string &outputPath,
                       const RomTableLayout &layout);

}  // namespace zolvik
