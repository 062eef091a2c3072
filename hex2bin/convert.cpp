#include "hex2bin/convert.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "hex2bin/hex_record.h"
#include "hex2bin/srec_reader.h"

namespace hex2bin {
namespace {

// Room made for the bytes at most before any is read: a guess from the text's size, of which
// only the part written is ever touched.
constexpr std::uint64_t kMaxReserve = std::uint64_t{512} << 20;

std::string Size(std::uint64_t bytes)
{
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

// Finds the record that makes `address` disagree: the first, in file order, whose byte there
// differs from the byte of the first record that wrote it.
HexError DescribeConflict(const TextOpener &open, std::uint64_t address)
{
    std::optional<std::uint8_t> first;
    HexError error;
    std::optional<std::uint32_t> start;
    LineReader lines(open());
    ReadRecords(
        lines,
        [&](std::size_t line, std::uint64_t at, const std::uint8_t *bytes, std::size_t count) {
            if (!error.message.empty() || address < at || address >= at + count)
                return;
            const std::uint8_t value = bytes[address - at];
            if (!first)
                first = value;
            else if (value != *first)
                error =
                    HexError{line, "address " + HexAddress(address) +
                                       " written twice with different data: " + HexByte(*first) +
                                       " before, " + HexByte(value) + " here"};
        },
        start);
    return error;
}

}  // namespace

std::vector<ByteRun> BinaryImage::Runs() const
{
    std::vector<ByteRun> runs;
    ForEachRun([&runs](const ByteRun &run) { runs.push_back(run); });
    return runs;
}

std::vector<std::uint8_t> Conversion::Bytes() const
{
    const BinaryImage whole = image();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(whole.length), whole.fill);
    whole.ForEachRun([&](const ByteRun &run) {
        std::memcpy(bytes.data() + (run.address - whole.start), run.bytes, run.count);
    });
    return bytes;
}

Conversion ConvertText(const TextOpener &open, const ConvertOptions &options,
                       std::uint64_t sizeHint)
{
    Conversion result;
    SparseImage &data = result.data_;
    // Every data byte takes two characters of the text, so half its size is always enough.
    data.Reserve(static_cast<std::size_t>(std::min(sizeHint / 2, kMaxReserve)));
    std::optional<std::uint32_t> &start = result.startAddress_;
    LineReader lines(open());
    if (auto fault = ReadRecords(
            lines,
            [&data](std::size_t, std::uint64_t address, const std::uint8_t *bytes,
                    std::size_t count) { data.Write(address, bytes, count); },
            start)) {
        result.error_ = std::move(fault);
        return result;
    }
    if (auto conflict = data.Seal()) {
        result.error_ = DescribeConflict(open, *conflict);
        return result;
    }

    const std::uint64_t first = options.start.value_or(data.Empty() ? 0 : data.Lowest());
    std::uint64_t length = 0;
    if (options.length)
        length = *options.length;
    else if (!data.Empty() && data.End() > first)
        length = data.End() - first;
    if (length > options.maxSize) {
        result.error_ = HexError{0, "image larger than " + std::to_string(options.maxSize >> 20) +
                                        " MiB: " + Size(length) + " from " + HexAddress(first)};
        return result;
    }
    result.start_ = first;
    result.length_ = length;
    result.fill_ = options.fill;
    return result;
}

Conversion ConvertHex(std::string_view text, const ConvertOptions &options)
{
    return ConvertText([text] { return StringSource(text); }, options, text.size());
}

}  // namespace hex2bin
