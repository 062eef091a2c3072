#include "hex2bin/hex_reader.h"

#include <cstring>

#include "hex2bin/hex_record.h"

namespace hex2bin {
namespace {

constexpr std::uint64_t kAddressSpace = std::uint64_t{1} << 32;
constexpr std::uint64_t kSegmentSize = 0x10000;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view line)
{
    while (!line.empty() && IsBlank(line.back()))
        line.remove_suffix(1);
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    return line;
}

}  // namespace

std::optional<HexError> ReadHex(std::string_view text, const DataSink &sink)
{
    std::uint8_t buffer[kMaxRecordBytes];
    HexRecord record;
    std::uint64_t base = 0;
    bool segmented = false;
    bool ended = false;
    std::size_t lineNumber = 0;

    std::size_t position = 0;
    while (position < text.size()) {
        ++lineNumber;
        const void *found = std::memchr(text.data() + position, '\n', text.size() - position);
        const std::size_t end = found
            ? static_cast<std::size_t>(static_cast<const char *>(found) - text.data())
            : text.size();
        const std::string_view line = Trim(text.substr(position, end - position));
        position = end + 1;

        if (line.empty())
            continue;
        if (ended)
            return HexError{lineNumber, "data after the end-of-file record"};
        if (auto fault = DecodeRecord(line, buffer, record))
            return HexError{lineNumber, std::move(*fault)};

        const std::uint32_t value = record.length >= 2
            ? static_cast<std::uint32_t>(record.data[0] << 8 | record.data[1])
            : 0;
        switch (record.type) {
        case RecordType::Data: {
            if (record.length == 0)
                break;
            if (segmented && record.offset + std::uint64_t{record.length} > kSegmentSize) {
                const std::size_t first = kSegmentSize - record.offset;
                sink(lineNumber, base + record.offset, record.data, first);
                sink(lineNumber, base, record.data + first, record.length - first);
                break;
            }
            const std::uint64_t address = base + record.offset;
            if (address + record.length > kAddressSpace)
                return HexError{lineNumber, "data runs past the end of the 4 GiB address space"};
            sink(lineNumber, address, record.data, record.length);
            break;
        }
        case RecordType::EndOfFile:
            ended = true;
            break;
        case RecordType::ExtendedSegmentAddress:
            base = std::uint64_t{value} << 4;
            segmented = true;
            break;
        case RecordType::ExtendedLinearAddress:
            base = std::uint64_t{value} << 16;
            segmented = false;
            break;
        case RecordType::StartSegmentAddress:
        case RecordType::StartLinearAddress:
            break;
        }
    }
    if (!ended)
        return HexError{lineNumber == 0 ? 1 : lineNumber, "missing end-of-file record"};
    return std::nullopt;
}

}  // namespace hex2bin
