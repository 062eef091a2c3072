#include "hex2bin/hex_reader.h"

#include "hex2bin/hex_digits.h"
#include "hex2bin/hex_record.h"

namespace hex2bin {
namespace {

constexpr std::uint64_t kAddressSpace = std::uint64_t{1} << 32;
constexpr std::uint64_t kSegmentSize = 0x10000;

}  // namespace

std::optional<HexError> ReadHex(LineReader &lines, const DataSink &sink,
                                std::optional<std::uint32_t> &start)
{
    std::uint8_t buffer[kMaxRecordBytes];
    HexRecord record;
    std::uint64_t base = 0;
    bool segmented = false;
    bool ended = false;

    std::string_view line;
    while (lines.Next(line)) {
        const std::size_t lineNumber = lines.LineNumber();
        if (lines.Cut())
            return HexError{lineNumber, CutLineFault(line, ':', kMaxHexLine)};
        if (line.empty())
            continue;
        if (ended)
            return HexError{lineNumber, "data after the end-of-file record"};
        if (auto fault = DecodeRecord(line, buffer, record))
            return HexError{lineNumber, std::move(*fault)};

        const std::uint32_t value =
            record.length >= 2 ? static_cast<std::uint32_t>(record.data[0] << 8 | record.data[1])
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
        case RecordType::EndOfFile: ended = true; break;
        case RecordType::ExtendedSegmentAddress:
            base = std::uint64_t{value} << 4;
            segmented = true;
            break;
        case RecordType::ExtendedLinearAddress:
            base = std::uint64_t{value} << 16;
            segmented = false;
            break;
        case RecordType::StartSegmentAddress:
            start = (value << 4) + static_cast<std::uint32_t>(record.data[2] << 8 | record.data[3]);
            break;
        case RecordType::StartLinearAddress:
            start = value << 16 | static_cast<std::uint32_t>(record.data[2] << 8 | record.data[3]);
            break;
        }
    }
    if (!ended)
        return HexError{lines.LineNumber() == 0 ? 1 : lines.LineNumber(),
                        "missing end-of-file record"};
    return std::nullopt;
}

}  // namespace hex2bin
