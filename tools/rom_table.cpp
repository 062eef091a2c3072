// ROM table text: header lines, data lines of element texts, footer; every line CR LF.
#include "tools/rom_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "common/errors.h"
#include "tools/rom_table_style.h"

namespace zolvik {

namespace {

// Room that one step of the encoder may use beyond the flush mark: a line's indentation
// (at most 255 tabs), an index copied 24 bytes at a time, the pieces of text copied eight
// bytes at a time, eight digits and a line end.
constexpr std::size_t kStepRoom = 255 + 24 + 6 * 8 + 8 + 2 + 8;

using HexPair = std::array<char, 2>;

constexpr std::array<HexPair, 256> MakeHexPairs()
{
    constexpr char digits[] = "0123456789ABCDEF";
    std::array<HexPair, 256> pairs{};
    for (int value = 0; value < 256; ++value)
        pairs[value] = {digits[value >> 4], digits[value & 15]};
    return pairs;
}

constexpr std::array<HexPair, 256> kHexPairs = MakeHexPairs();

// An element's index as text, counted up in place: decimal without leading zeros, or
// hexadecimal in a fixed number of digits.
class IndexText {
public:
    IndexText(RomIndex kind, int width)
    {
        FDigits.fill('0');
        FFirst = kDigits - (kind == RomIndex::Hex ? std::clamp(width, 1, 16) : 1);
    }

    // Copies the digits and as many bytes after them as make kDigits: one fixed-size copy
    // is cheaper than one of the exact size.
    char *Put(char *pos) const
    {
        std::memcpy(pos, FDigits.data() + FFirst, kDigits);
        return pos + (kDigits - FFirst);
    }

    template <RomIndex Kind>
    void Next()
    {
        constexpr char top = Kind == RomIndex::Hex ? 'F' : '9';
        for (int i = kDigits - 1;; --i) {
            char &digit = FDigits[i];
            if (digit != top) {
                digit =
                    (Kind == RomIndex::Hex && digit == '9') ? 'A' : static_cast<char>(digit + 1);
                return;
            }
            digit = '0';
            if (i == FFirst) {
                // A hexadecimal address wraps within its width; a decimal index grows.
                if constexpr (Kind == RomIndex::Decimal)
                    FDigits[--FFirst] = '1';
                return;
            }
        }
    }

private:
    static constexpr int kDigits = 24;
    std::array<char, 2 * kDigits> FDigits;  // the digits end at kDigits
    int FFirst;
};

// Turns elements into data lines and hands the text on in chunks of kRomTableWriteChunk.
class TableEncoder {
public:
    TableEncoder(const RomTableStyle &style, const RomTableWrite &write)
        : FStyle(style), FWrite(write), FBuffer(kRomTableWriteChunk + kStepRoom),
          FIndex(style.index, style.indexWidth)
    {
        FPos = FBuffer.data();
        FFlushMark = FBuffer.data() + kRomTableWriteChunk;
    }

    void Line(std::string_view text)
    {
        // Header and footer lines may be long (a name); they go through in flushed parts.
        while (static_cast<std::size_t>(FFlushMark - FPos) < text.size() + 2) {
            const std::size_t part =
                std::min(text.size(), static_cast<std::size_t>(FFlushMark - FPos));
            std::memcpy(FPos, text.data(), part);
            FPos += part;
            text.remove_prefix(part);
            Flush();
        }
        std::memcpy(FPos, text.data(), text.size());
        FPos += text.size();
        EndLine();
    }

    // `count` elements of N bytes each; `endsTable` when the last of them ends the input.
    template <int N, bool BigEndian, RomIndex Index>
    void Elements(const unsigned char *bytes, std::size_t count, bool endsTable)
    {
        // Local copies: the stores through `pos` would otherwise make the compiler load
        // every piece again for every element.
        const Piece indexEnd(FStyle.indexEnd), open(FStyle.open), close(FStyle.close),
            separator(FStyle.separator), separatorAtLineEnd(FStyle.separatorAtLineEnd),
            last(FStyle.last);
        const std::int32_t columns = FStyle.columns;
        char *pos = FPos;
        for (std::size_t i = 0; i < count; ++i, bytes += N) {
            if (!FLineOpen) {
                std::memcpy(pos, FStyle.dataIndent.data(), FStyle.dataIndent.size());
                pos += FStyle.dataIndent.size();
                FLineOpen = true;
            }
            if constexpr (Index != RomIndex::None) {
                pos = indexEnd.Put(FIndex.Put(pos));
                FIndex.Next<Index>();
            }
            pos = open.Put(pos);
            for (int k = 0; k < N; ++k) {
                std::memcpy(pos, kHexPairs[bytes[BigEndian ? k : N - 1 - k]].data(), 2);
                pos += 2;
            }
            pos = close.Put(pos);
            // The element counter is 8 bits wide: a column size of 0 fills at 256, one
            // outside 0 to 255 never fills a line.
            ++FCounter;
            const bool lineFull = FCounter == columns;
            if (endsTable && i + 1 == count)
                pos = last.Put(pos);
            else
                pos = (lineFull ? separatorAtLineEnd : separator).Put(pos);
            if (lineFull) {
                std::memcpy(pos, "\r\n", 2);
                pos += 2;
                FLineOpen = false;
                FCounter = 0;
            }
            if (pos >= FFlushMark) {
                FPos = pos;
                Flush();
                pos = FPos;
            }
        }
        FPos = pos;
    }

    // Ends a partial last data line.
    void CloseDataLine()
    {
        if (FLineOpen) {
            EndLine();
            FLineOpen = false;
        }
    }

    void Flush()
    {
        if (FPos != FBuffer.data())
            FWrite(FBuffer.data(), static_cast<std::size_t>(FPos - FBuffer.data()));
        FPos = FBuffer.data();
    }

private:
    // A piece of text as one 8-byte value: all eight bytes are stored (the step room
    // allows it) and the position moves on by the piece's size.
    struct Piece {
        explicit Piece(const RomTextPiece &piece) : size(piece.size)
        {
            std::memcpy(&bytes, piece.text.data(), sizeof bytes);
        }
        char *Put(char *pos) const
        {
            std::memcpy(pos, &bytes, sizeof bytes);
            return pos + size;
        }
        std::uint64_t bytes;
        std::size_t size;
    };

    void EndLine()
    {
        std::memcpy(FPos, "\r\n", 2);
        FPos += 2;
        if (FPos >= FFlushMark)
            Flush();
    }

    const RomTableStyle &FStyle;
    const RomTableWrite &FWrite;
    std::vector<char> FBuffer;
    IndexText FIndex;
    char *FPos = nullptr;
    char *FFlushMark = nullptr;
    std::uint8_t FCounter = 0;
    bool FLineOpen = false;
};

// Reads the input a chunk at a time; a partial last element is completed with the pad.
template <int N, bool BigEndian, RomIndex Index>
void EncodeElements(TableEncoder &encoder, std::uint64_t inputBytes, std::uint64_t elementCount,
                    std::uint8_t pad, const RomTableRead &read)
{
    static_assert(kRomTableReadChunk % 4 == 0);
    std::vector<unsigned char> input(kRomTableReadChunk);
    const std::uint64_t perChunk = kRomTableReadChunk / N;
    std::uint64_t remaining = elementCount;
    std::uint64_t bytesLeft = inputBytes;
    while (remaining > 0) {
        const std::size_t count = static_cast<std::size_t>(std::min(remaining, perChunk));
        const std::size_t wanted = count * N;
        const std::size_t present =
            static_cast<std::size_t>(std::min<std::uint64_t>(wanted, bytesLeft));
        read(reinterpret_cast<char *>(input.data()), present);
        std::fill(input.begin() + present, input.begin() + wanted, pad);
        encoder.Elements<N, BigEndian, Index>(input.data(), count, count == remaining);
        remaining -= count;
        bytesLeft -= present;
    }
}

template <int N, bool BigEndian>
void EncodeIndexed(TableEncoder &encoder, RomIndex index, std::uint64_t inputBytes,
                   std::uint64_t elementCount, std::uint8_t pad, const RomTableRead &read)
{
    switch (index) {
    case RomIndex::None:
        EncodeElements<N, BigEndian, RomIndex::None>(encoder, inputBytes, elementCount, pad, read);
        break;
    case RomIndex::Decimal:
        EncodeElements<N, BigEndian, RomIndex::Decimal>(encoder, inputBytes, elementCount, pad,
                                                        read);
        break;
    case RomIndex::Hex:
        EncodeElements<N, BigEndian, RomIndex::Hex>(encoder, inputBytes, elementCount, pad, read);
        break;
    }
}

template <int N>
void EncodeOrdered(TableEncoder &encoder, const RomTableLayout &layout, RomIndex index,
                   std::uint64_t inputBytes, std::uint64_t elementCount, const RomTableRead &read)
{
    const std::uint8_t pad = layout.pad.value_or(0);
    if (layout.bigEndian)
        EncodeIndexed<N, true>(encoder, index, inputBytes, elementCount, pad, read);
    else
        EncodeIndexed<N, false>(encoder, index, inputBytes, elementCount, pad, read);
}

}  // namespace

std::uint64_t RomTableElementCount(std::uint64_t inputBytes, const RomTableLayout &layout)
{
    if (layout.elementBytes <= 0)
        return 0;
    const auto n = static_cast<std::uint64_t>(layout.elementBytes);
    return inputBytes / n + (layout.pad && inputBytes % n != 0 ? 1 : 0);
}

void WriteRomTable(std::uint64_t inputBytes, const RomTableLayout &layout, const RomTableRead &read,
                   const RomTableWrite &write)
{
    const int n = layout.elementBytes;
    if (n != 1 && n != 2 && n != 4)
        throw Error("Invalid element size");
    const std::uint64_t elementCount = RomTableElementCount(inputBytes, layout);
    // Only the bytes of whole elements are read, and of the padded one.
    const std::uint64_t tableBytes =
        std::min(inputBytes, elementCount * static_cast<std::uint64_t>(n));
    const RomTableStyle style = RomTableStyleOf(layout, elementCount);

    TableEncoder encoder(style, write);
    for (const std::string &line : style.head)
        encoder.Line(line);
    switch (n) {
    case 1: EncodeOrdered<1>(encoder, layout, style.index, tableBytes, elementCount, read); break;
    case 2: EncodeOrdered<2>(encoder, layout, style.index, tableBytes, elementCount, read); break;
    default: EncodeOrdered<4>(encoder, layout, style.index, tableBytes, elementCount, read); break;
    }
    encoder.CloseDataLine();
    for (const std::string &line : style.tail)
        encoder.Line(line);
    encoder.Flush();
}

std::string RomTableText(std::string_view input, const RomTableLayout &layout)
{
    std::string text;
    std::size_t offset = 0;
    WriteRomTable(
        input.size(), layout,
        [&](char *buffer, std::size_t count) {
            std::memcpy(buffer, input.data() + offset, count);
            offset += count;
        },
        [&](const char *data, std::size_t count) { text.append(data, count); });
    return text;
}

RomTableLayout RomTableLayoutForInput(RomTableLayout layout, std::string_view inputName)
{
    if (RomFormatRequiresName(layout.format) && layout.name.empty())
        layout.name = RomTableDefaultName(inputName);
    return layout;
}

}  // namespace zolvik
