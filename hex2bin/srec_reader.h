#pragma once
// Walks the lines of a Motorola S-record text and hands every data record on at its address.
#include <cstdint>
#include <optional>

#include "hex2bin/hex_reader.h"
#include "hex2bin/line_reader.h"

namespace hex2bin {

// The longest line an S-record can take: 'S', the type and 256 bytes in two digits each.
inline constexpr std::size_t kMaxSrecLine = 2 + 2 * 256;

// Reads the lines of an S-record text and calls `sink` for every data record, in file order.
//
// Each line is 'S', the type digit, then bytes in two hexadecimal digits: the count of the bytes
// after it, the address, the data and a checksum (the ones' complement of the sum of all the
// others). S0 (header) is checked and ignored; S1, S2 and S3 carry data at a 16, 24 or 32-bit
// address; S5 and S6 hold the number of data records before them, which must match; S7, S8 and
// S9 end the file with the start address, which goes to `start`. The end record is optional (some
// tools leave it out when they have no start address), but nothing other than blank lines may
// follow one. Lines and blanks are read as by ReadHex. Returns the first fault found, or nothing
// when the whole text is valid.
std::optional<HexError> ReadSrec(LineReader &lines, const DataSink &sink,
                                 std::optional<std::uint32_t> &start);

// Reads either format, told apart by the first character of the text: 'S' for S-records,
// anything else is read as Intel HEX.
std::optional<HexError> ReadRecords(LineReader &lines, const DataSink &sink,
                                    std::optional<std::uint32_t> &start);

}  // namespace hex2bin
