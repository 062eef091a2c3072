#include "hex2bin/convert.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "hex2bin/hex_record.h"

namespace hex2bin {
namespace {

std::string Size(std::uint64_t bytes)
{
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

// Finds the record that makes `address` disagree: the first, in file order, whose byte there
// differs from the byte of the first record that wrote it.
HexError DescribeConflict(std::string_view text, std::uint64_t address)
{
    std::optional<std::uint8_t> first;
    HexError error;
    ReadHex(text, [&](std::size_t line, std::uint64_t at, const std::uint8_t *bytes,
                      std::size_t count) {
        if (!error.message.empty() || address < at || address >= at + count)
            return;
        const std::uint8_t value = bytes[address - at];
        if (!first)
            first = value;
        else if (value != *first)
            error = HexError{line, "address " + HexAddress(address) + " written twice with different data: "
                                       + HexByte(*first) + " before, " + HexByte(value) + " here"};
    });
    return error;
}

}  // namespace

std::vector<std::uint8_t> Conversion::Bytes() const
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(image_.length), image_.fill);
    for (const ByteRun &run : image_.runs)
        std::memcpy(bytes.data() + (run.address - image_.start), run.bytes, run.count);
    return bytes;
}

Conversion ConvertHex(std::string_view text, const ConvertOptions &options)
{
    Conversion result;
    SparseImage &data = result.data_;
    // Every data byte takes two characters of the text, so half its size is always enough.
    data.Reserve(text.size() / 2);
    if (auto fault = ReadHex(text, [&data](std::size_t, std::uint64_t address,
                                           const std::uint8_t *bytes, std::size_t count) {
            data.Write(address, bytes, count);
        })) {
        result.error_ = std::move(fault);
        return result;
    }
    if (auto conflict = data.Seal()) {
        result.error_ = DescribeConflict(text, *conflict);
        return result;
    }

    const std::uint64_t start = options.start.value_or(data.Empty() ? 0 : data.Lowest());
    std::uint64_t length = 0;
    if (options.length)
        length = *options.length;
    else if (!data.Empty() && data.End() > start)
        length = data.End() - start;
    if (length > options.maxSize) {
        result.error_ = HexError{0, "image larger than " + std::to_string(options.maxSize >> 20)
                                        + " MiB: " + Size(length) + " from " + HexAddress(start)};
        return result;
    }

    BinaryImage &image = result.image_;
    image.start = start;
    image.length = length;
    image.fill = options.fill;
    const std::uint64_t end = length > UINT64_MAX - start ? UINT64_MAX : start + length;
    for (ByteRun run : data.Runs()) {
        const std::uint64_t from = std::max(run.address, start);
        const std::uint64_t to = std::min(run.End(), end);
        if (from >= to)
            continue;
        run.bytes += from - run.address;
        run.address = from;
        run.count = static_cast<std::size_t>(to - from);
        image.runs.push_back(run);
    }
    return result;
}

}  // namespace hex2bin
