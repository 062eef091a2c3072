#include "hex2bin/hex_record.h"

#include <cstdio>

#include "hex2bin/hex_digits.h"

namespace hex2bin {
namespace {

std::string_view TypeName(RecordType type)
{
    switch (type) {
    case RecordType::Data: return "data";
    case RecordType::EndOfFile: return "end-of-file";
    case RecordType::ExtendedSegmentAddress: return "extended segment address";
    case RecordType::StartSegmentAddress: return "start segment address";
    case RecordType::ExtendedLinearAddress: return "extended linear address";
    case RecordType::StartLinearAddress: return "start linear address";
    }
    return "unknown";
}

// Data bytes each record type must carry; -1 for any number.
int RequiredLength(RecordType type)
{
    switch (type) {
    case RecordType::Data: return -1;
    case RecordType::EndOfFile: return 0;
    case RecordType::ExtendedSegmentAddress:
    case RecordType::ExtendedLinearAddress: return 2;
    case RecordType::StartSegmentAddress:
    case RecordType::StartLinearAddress: return 4;
    }
    return -1;
}

}  // namespace

std::string HexByte(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

std::string HexAddress(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

namespace {

std::optional<std::string> DecodeFields(std::string_view line,
                                        std::uint8_t (&buffer)[kMaxRecordBytes], HexRecord &record)
{
    if (line.empty() || line.front() != ':')
        return "malformed record: it does not start with ':'";
    const std::string_view digits = line.substr(1);
    if (digits.size() % 2 != 0)
        return "malformed record: odd number of hexadecimal digits";
    const std::size_t byteCount = digits.size() / 2;
    if (byteCount < 5)
        return "malformed record: too short (" + std::to_string(byteCount) +
               " bytes, a record has at least 5)";
    if (byteCount > kMaxRecordBytes)
        return "malformed record: too long (" + std::to_string(byteCount) +
               " bytes, a record has at most " + std::to_string(kMaxRecordBytes) + ")";

    unsigned sum = 0;
    if (auto fault = DecodeHexBytes(digits, buffer, sum))
        return fault;

    const unsigned declared = buffer[0];
    if (declared != byteCount - 5)
        return "record length " + HexByte(declared) + " does not match the line, which holds " +
               std::to_string(byteCount - 5) + " data bytes";
    if ((sum & 0xFFu) != 0) {
        const unsigned found = buffer[byteCount - 1];
        const unsigned expected = (found - sum) & 0xFFu;
        return "bad checksum " + HexByte(found) + ", the record's bytes need " + HexByte(expected);
    }
    if (buffer[3] > static_cast<std::uint8_t>(RecordType::StartLinearAddress))
        return "unknown record type " + HexByte(buffer[3]);

    record.type = static_cast<RecordType>(buffer[3]);
    record.offset = static_cast<std::uint16_t>(buffer[1] << 8 | buffer[2]);
    record.length = static_cast<std::uint8_t>(declared);
    record.data = buffer + 4;

    const int required = RequiredLength(record.type);
    if (required >= 0 && record.length != required)
        return "malformed record: " + std::string(TypeName(record.type)) + " record with " +
               std::to_string(record.length) + " data bytes instead of " + std::to_string(required);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> DecodeRecord(std::string_view line,
                                        std::uint8_t (&buffer)[kMaxRecordBytes], HexRecord &record)
{
    auto fault = DecodeFields(line, buffer, record);
    // Looked for only in a line that fails, which any blank or NUL inside makes it do.
    if (fault && !line.empty() && line.front() == ':')
        if (auto inside = BlankOrNulInside(line))
            return inside;
    return fault;
}

}  // namespace hex2bin
