#pragma once
// Binary to Intel HEX: 16-byte data records, an extended linear address record (04) wherever
// the upper 16 bits of the address change (and first when they are not 0), and the end-of-file
// record, each line ended by CR LF as firmware tools write them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "fileio/input_file.h"
#include "fileio/output_file.h"

namespace hex2bin {

class IntelHexWriter {
public:
    // Receives the text in pieces of some kilobytes.
    using TextSink = std::function<void(std::string_view text)>;

    // The first byte appended goes to `address`, the next ones above it.
    IntelHexWriter(std::uint64_t address, TextSink sink);

    // Appends bytes at the next addresses; records never depend on how the bytes are split into
    // appends. Throws std::out_of_range when they would run past the 4 GiB address space.
    void Append(const std::uint8_t *bytes, std::size_t count);
    // Writes the last data record and the end-of-file record.
    void Finish();

private:
    void EmitRecord(std::uint8_t type, std::uint16_t offset, const std::uint8_t *data,
                    std::size_t count);
    void EmitData();

    TextSink sink_;
    std::string text_;
    std::uint64_t next_;        // address of the next byte appended
    std::uint32_t upper_ = 0;   // the upper 16 bits the last 04 record set
    std::uint8_t pending_[16];  // bytes of the data record being gathered
    std::size_t pendingCount_ = 0;
};

// The whole of `bytes` as Intel HEX text, from `address` on.
std::string IntelHexText(std::span<const std::uint8_t> bytes, std::uint64_t address);

// Writes `bytes` from `address` on to `out` as Intel HEX; Commit is the caller's. Throws
// zolvik::fileio::FileError and std::out_of_range.
void WriteIntelHex(std::span<const std::uint8_t> bytes, std::uint64_t address,
                   zolvik::fileio::OutputFile &out);
// The same for the rest of `in`, read in pieces.
void WriteIntelHex(zolvik::fileio::InputFile &in, std::uint64_t address,
                   zolvik::fileio::OutputFile &out);

}  // namespace hex2bin
