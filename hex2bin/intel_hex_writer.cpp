#include "hex2bin/intel_hex_writer.h"

#include <stdexcept>
#include <vector>

namespace hex2bin {
namespace {

constexpr std::uint64_t kAddressSpace = std::uint64_t{1} << 32;
constexpr std::size_t kTextPiece = 64 * 1024;
constexpr char kDigits[] = "0123456789ABCDEF";

char *PutByte(char *at, std::uint8_t byte)
{
    at[0] = kDigits[byte >> 4];
    at[1] = kDigits[byte & 0xF];
    return at + 2;
}

}  // namespace

IntelHexWriter::IntelHexWriter(std::uint64_t address, TextSink sink)
    : sink_(std::move(sink)), next_(address)
{
    text_.reserve(kTextPiece + 64);
}

void IntelHexWriter::EmitRecord(std::uint8_t type, std::uint16_t offset, const std::uint8_t *data,
                                std::size_t count)
{
    // One line at most: the colon, 4 + 16 bytes in two digits, the checksum and CR LF.
    char line[1 + 2 * (4 + sizeof pending_ + 1) + 2];
    std::uint8_t sum = static_cast<std::uint8_t>(count + (offset >> 8) + offset + type);
    char *at = line;
    *at++ = ':';
    at = PutByte(at, static_cast<std::uint8_t>(count));
    at = PutByte(at, static_cast<std::uint8_t>(offset >> 8));
    at = PutByte(at, static_cast<std::uint8_t>(offset));
    at = PutByte(at, type);
    for (std::size_t i = 0; i < count; ++i) {
        at = PutByte(at, data[i]);
        sum = static_cast<std::uint8_t>(sum + data[i]);
    }
    at = PutByte(at, static_cast<std::uint8_t>(-sum));
    *at++ = '\r';
    *at++ = '\n';
    text_.append(line, static_cast<std::size_t>(at - line));
    if (text_.size() >= kTextPiece) {
        sink_(text_);
        text_.clear();
    }
}

void IntelHexWriter::EmitData()
{
    if (pendingCount_ == 0)
        return;
    const std::uint64_t address = next_ - pendingCount_;
    const auto upper = static_cast<std::uint32_t>(address >> 16);
    if (upper != upper_) {
        const std::uint8_t base[2] = {static_cast<std::uint8_t>(upper >> 8),
                                      static_cast<std::uint8_t>(upper)};
        EmitRecord(0x04, 0, base, 2);
        upper_ = upper;
    }
    EmitRecord(0x00, static_cast<std::uint16_t>(address), pending_, pendingCount_);
    pendingCount_ = 0;
}

void IntelHexWriter::Append(const std::uint8_t *bytes, std::size_t count)
{
    if (next_ > kAddressSpace || count > kAddressSpace - next_)
        throw std::out_of_range("data runs past the end of the 4 GiB address space");
    for (std::size_t i = 0; i < count; ++i) {
        pending_[pendingCount_++] = bytes[i];
        ++next_;
        // A record ends after 16 bytes and at the end of each 64 KiB page.
        if (pendingCount_ == sizeof pending_ || (next_ & 0xFFFF) == 0)
            EmitData();
    }
}

void IntelHexWriter::Finish()
{
    EmitData();
    EmitRecord(0x01, 0, nullptr, 0);
    sink_(text_);
    text_.clear();
}

std::string IntelHexText(std::span<const std::uint8_t> bytes, std::uint64_t address)
{
    std::string text;
    IntelHexWriter writer(address, [&text](std::string_view piece) { text += piece; });
    writer.Append(bytes.data(), bytes.size());
    writer.Finish();
    return text;
}

void WriteIntelHex(std::span<const std::uint8_t> bytes, std::uint64_t address,
                   zolvik::fileio::OutputFile &out)
{
    IntelHexWriter writer(address, [&out](std::string_view piece) { out.Write(piece); });
    writer.Append(bytes.data(), bytes.size());
    writer.Finish();
}

void WriteIntelHex(zolvik::fileio::InputFile &in, std::uint64_t address,
                   zolvik::fileio::OutputFile &out)
{
    IntelHexWriter writer(address, [&out](std::string_view piece) { out.Write(piece); });
    std::vector<char> buffer(256 * 1024);
    while (const std::size_t got = in.Read(buffer.data(), buffer.size()))
        writer.Append(reinterpret_cast<const std::uint8_t *>(buffer.data()), got);
    writer.Finish();
}

}  // namespace hex2bin
