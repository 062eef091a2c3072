#include "hex2bin/hex_record.h"

#include <array>
#include <cstdio>

namespace hex2bin {
namespace {

constexpr std::uint8_t kNotHex = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeDigitTable()
{
    std::array<std::uint8_t, 256> table{};
    for (auto &entry : table)
        entry = kNotHex;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = static_cast<std::uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c)
        table[c] = static_cast<std::uint8_t>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c)
        table[c] = static_cast<std::uint8_t>(c - 'a' + 10);
    return table;
}

constexpr std::array<std::uint8_t, 256> kDigitValue = MakeDigitTable();

std::string Printable(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F)
        return std::string("'") + c + "'";
    char text[16];
    std::snprintf(text, sizeof text, "byte 0x%02X", u);
    return text;
}

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

std::optional<std::string> DecodeRecord(std::string_view line,
                                        std::uint8_t (&buffer)[kMaxRecordBytes],
                                        HexRecord &record)
{
    if (line.empty() || line.front() != ':')
        return "malformed record: it does not start with ':'";
    const std::string_view digits = line.substr(1);
    if (digits.size() % 2 != 0)
        return "malformed record: odd number of hexadecimal digits";
    const std::size_t byteCount = digits.size() / 2;
    if (byteCount < 5)
        return "malformed record: too short (" + std::to_string(byteCount)
            + " bytes, a record has at least 5)";
    if (byteCount > kMaxRecordBytes)
        return "malformed record: too long (" + std::to_string(byteCount)
            + " bytes, a record has at most " + std::to_string(kMaxRecordBytes) + ")";

    const auto *text = reinterpret_cast<const unsigned char *>(digits.data());
    unsigned sum = 0;
    for (std::size_t i = 0; i < byteCount; ++i) {
        const std::uint8_t high = kDigitValue[text[2 * i]];
        const std::uint8_t low = kDigitValue[text[2 * i + 1]];
        if (high == kNotHex || low == kNotHex) {
            const char bad = high == kNotHex ? digits[2 * i] : digits[2 * i + 1];
            return "malformed record: " + Printable(bad) + " is not a hexadecimal digit";
        }
        buffer[i] = static_cast<std::uint8_t>(high << 4 | low);
        sum += buffer[i];
    }

    const unsigned declared = buffer[0];
    if (declared != byteCount - 5)
        return "record length " + HexByte(declared) + " does not match the line, which holds "
            + std::to_string(byteCount - 5) + " data bytes";
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
        return "malformed record: " + std::string(TypeName(record.type)) + " record with "
            + std::to_string(record.length) + " data bytes instead of " + std::to_string(required);
    return std::nullopt;
}

}  // namespace hex2bin
