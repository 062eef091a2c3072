#pragma once
// Walks the lines of an Intel HEX text and hands every data record on at its absolute address.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "hex2bin/line_reader.h"

namespace hex2bin {

// What is wrong with an input, and the line it was found on (counted from 1; 0 when the
// fault belongs to no single line).
struct HexError {
    std::size_t line = 0;
    std::string message;
};

// Receives a run of data bytes, its absolute address and the line of its record.
using DataSink = std::function<void(std::size_t line, std::uint64_t address,
                                    const std::uint8_t *bytes, std::size_t count)>;

// The longest line a record can take: the colon and 260 bytes in two digits each.
inline constexpr std::size_t kMaxHexLine = 1 + 2 * 260;

// Reads the lines of an Intel HEX text record by record and calls `sink` for every run of data
// bytes, in file order. The start address of the last start address record, if any, goes to
// `start`: a start linear address (05) as it is, a start segment address (03) as CS * 16 + IP.
//
// Addresses: data records start at the 16-bit offset they hold plus a base. The base starts at 0;
// an extended linear address record (04) sets it to its value times 65536, an extended segment
// address record (02) to its value times 16, each replacing the base the other set. Under a
// segment base the offset wraps within its 64 KiB segment, so a record running past the
// segment's end continues at the segment's start (handed on as two runs); otherwise a record
// simply continues upwards, and one running past 0xFFFFFFFF is an error. Start address records
// (03, 05) give the start address.
//
// Lines end in LF or CR LF; blanks and tabs around a record and blank lines are ignored, and so
// is a UTF-8 byte-order mark at the start. Anything after the end-of-file record other than
// blank lines is an error, and so is a text without one. Reading stops at the first fault, so a
// file that is no HEX text at all is read no further than its first line. Returns the first
// fault found, or nothing when the whole text is valid.
std::optional<HexError> ReadHex(LineReader &lines, const DataSink &sink,
                                std::optional<std::uint32_t> &start);

}  // namespace hex2bin
