#pragma once
// One line of an Intel HEX file decoded into its fields, with the checks every record must pass.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hex2bin {

enum class RecordType : std::uint8_t {
    Data = 0x00,
    EndOfFile = 0x01,
    ExtendedSegmentAddress = 0x02,
    StartSegmentAddress = 0x03,
    ExtendedLinearAddress = 0x04,
    StartLinearAddress = 0x05,
};

// The longest record: 255 data bytes plus length, two address bytes, type and checksum.
inline constexpr std::size_t kMaxRecordBytes = 255 + 5;

struct HexRecord {
    RecordType type = RecordType::Data;
    std::uint16_t offset = 0;  // the record's 16-bit address field
    const std::uint8_t *data = nullptr;
    std::uint8_t length = 0;  // number of data bytes
};

// Decodes one line, already stripped of its line end and surrounding blanks, into `record`.
// The data bytes are decoded into `buffer`, which `record.data` then points into.
// Returns the description of what is wrong with the line, or nothing when it is a valid record.
std::optional<std::string> DecodeRecord(std::string_view line,
                                        std::uint8_t (&buffer)[kMaxRecordBytes], HexRecord &record);

// Two hexadecimal digits and the 0x prefix, e.g. "0x0A".
std::string HexByte(unsigned value);
// Eight hexadecimal digits and the 0x prefix, e.g. "0x0800FFF0".
std::string HexAddress(std::uint64_t value);

}  // namespace hex2bin
