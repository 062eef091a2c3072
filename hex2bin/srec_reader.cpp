#include "hex2bin/srec_reader.h"

#include <string>

#include "hex2bin/hex_digits.h"
#include "hex2bin/hex_record.h"

namespace hex2bin {
namespace {

constexpr std::uint64_t kAddressSpace = std::uint64_t{1} << 32;
constexpr std::size_t kMaxSrecBytes = 256;  // the count byte and up to 255 bytes after it

struct Srec {
    char type = '0';
    std::uint32_t address = 0;  // the address field; the record count for S5 and S6
    const std::uint8_t *data = nullptr;
    std::size_t length = 0;  // data bytes after the address
};

// Bytes in the address field of each type; 0 for the types no file may hold.
std::size_t AddressSize(char type)
{
    switch (type) {
    case '0':
    case '1':
    case '5':
    case '9': return 2;
    case '2':
    case '6':
    case '8': return 3;
    case '3':
    case '7': return 4;
    default: return 0;
    }
}

std::string Count(std::size_t bytes)
{
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

std::optional<std::string> DecodeFields(std::string_view line,
                                        std::uint8_t (&buffer)[kMaxSrecBytes], Srec &record)
{
    if (line.empty() || line.front() != 'S')
        return "malformed record: it does not start with 'S'";
    const std::string_view digits = line.substr(std::min<std::size_t>(2, line.size()));
    if (digits.size() % 2 != 0)
        return "malformed record: odd number of hexadecimal digits";
    const std::size_t byteCount = digits.size() / 2;
    if (byteCount < 4)
        return "malformed record: too short (" + std::to_string(byteCount) +
               " bytes, a record has at least 4)";
    if (byteCount > kMaxSrecBytes)
        return "malformed record: too long (" + std::to_string(byteCount) +
               " bytes, a record has at most " + std::to_string(kMaxSrecBytes) + ")";
    unsigned sum = 0;
    if (auto fault = DecodeHexBytes(digits, buffer, sum))
        return fault;
    if (buffer[0] != byteCount - 1)
        return "record length " + HexByte(buffer[0]) + " does not match the line, which holds " +
               Count(byteCount - 1) + " after it";
    if ((sum & 0xFFu) != 0xFFu) {
        const unsigned found = buffer[byteCount - 1];
        return "bad checksum " + HexByte(found) + ", the record's bytes need " +
               HexByte(~(sum - found));
    }
    record.type = line[1];
    const std::size_t addressSize = AddressSize(record.type);
    if (addressSize == 0)
        return "unknown record type S" + std::string(1, record.type);
    const std::size_t fields = byteCount - 2;  // address and data
    if (fields < addressSize)
        return "malformed record: S" + std::string(1, record.type) + " record too short for its " +
               std::to_string(addressSize) + "-byte address";
    record.address = 0;
    for (std::size_t i = 0; i < addressSize; ++i)
        record.address = record.address << 8 | buffer[1 + i];
    record.data = buffer + 1 + addressSize;
    record.length = fields - addressSize;
    const bool dataRecord = record.type >= '0' && record.type <= '3';
    if (!dataRecord && record.length != 0)
        return "malformed record: S" + std::string(1, record.type) + " record with " +
               std::to_string(record.length) + " data bytes instead of 0";
    return std::nullopt;
}

std::optional<std::string> DecodeSrec(std::string_view line, std::uint8_t (&buffer)[kMaxSrecBytes],
                                      Srec &record)
{
    auto fault = DecodeFields(line, buffer, record);
    // Looked for only in a line that fails, which any blank or NUL inside makes it do.
    if (fault && !line.empty() && line.front() == 'S')
        if (auto inside = BlankOrNulInside(line))
            return inside;
    return fault;
}

}  // namespace

std::optional<HexError> ReadSrec(LineReader &lines, const DataSink &sink,
                                 std::optional<std::uint32_t> &start)
{
    std::uint8_t buffer[kMaxSrecBytes];
    Srec record;
    bool ended = false;
    std::uint64_t dataRecords = 0;

    std::string_view line;
    while (lines.Next(line)) {
        const std::size_t lineNumber = lines.LineNumber();
        if (lines.Cut())
            return HexError{lineNumber, CutLineFault(line, 'S', kMaxSrecLine)};
        if (line.empty())
            continue;
        if (ended)
            return HexError{lineNumber, "data after the end record"};
        if (auto fault = DecodeSrec(line, buffer, record))
            return HexError{lineNumber, std::move(*fault)};

        switch (record.type) {
        case '1':
        case '2':
        case '3':
            ++dataRecords;
            if (record.address + std::uint64_t{record.length} > kAddressSpace)
                return HexError{lineNumber, "data runs past the end of the 4 GiB address space"};
            if (record.length != 0)
                sink(lineNumber, record.address, record.data, record.length);
            break;
        case '5':
        case '6': {
            const std::uint64_t wrap = record.type == '5' ? 0x10000 : 0x1000000;
            if (record.address != dataRecords % wrap)
                return HexError{lineNumber, "record count " + std::to_string(record.address) +
                                                " does not match the " +
                                                std::to_string(dataRecords) +
                                                " data records before it"};
            break;
        }
        case '7':
        case '8':
        case '9':
            start = record.address;
            ended = true;
            break;
        default:  // S0, the header
            break;
        }
    }
    return std::nullopt;
}

std::optional<HexError> ReadRecords(LineReader &lines, const DataSink &sink,
                                    std::optional<std::uint32_t> &start)
{
    if (lines.First() == 'S')
        return ReadSrec(lines, sink, start);
    return ReadHex(lines, sink, start);
}

}  // namespace hex2bin
