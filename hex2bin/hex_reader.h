#pragma once
// Walks the lines of an Intel HEX text and hands every data record on at its absolute address.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

// Reads `text` record by record and calls `sink` for every run of data bytes, in file order.
//
// Addresses: data records start at the 16-bit offset they hold plus a base. The base starts at 0;
// an extended linear address record (04) sets it to its value times 65536, an extended segment
// address record (02) to its value times 16, each replacing the base the other set. Under a
// segment base the offset wraps within its 64 KiB segment, so a record running past the
// segment's end continues at the segment's start (handed on as two runs); otherwise a record
// simply continues upwards, and one running past 0xFFFFFFFF is an error. Start address records
// (03, 05) are checked and otherwise ignored.
//
// Lines end in LF or CR LF; blanks and tabs around a record and blank lines are ignored.
// Anything after the end-of-file record other than blank lines is an error, and so is a text
// without one. Returns the first fault found, or nothing when the whole text is valid.
std::optional<HexError> ReadHex(std::string_view text, const DataSink &sink);

}  // namespace hex2bin
