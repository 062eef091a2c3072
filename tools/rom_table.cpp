// ROM table text: header lines, data lines of element texts, footer; every line CR LF.
#include "tools/rom_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "common/errors.h"

namespace zolvik {

namespace {

// The tab loops count in 8 bits: no line gets more than 255 tabs.
constexpr std::int32_t kMaxTabs = 255;
// Room that one step of the encoder may use beyond the flush mark: a line's indentation,
// one element text and a line end.
constexpr std::size_t kStepRoom = kMaxTabs + 32;

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

std::string Tabs(std::int32_t count)
{
    return std::string(static_cast<std::size_t>(std::clamp(count, 0, kMaxTabs)), '\t');
}

// Turns elements into data lines and hands the text on in chunks of kRomTableWriteChunk.
class TableEncoder {
public:
    TableEncoder(const RomTableLayout &layout, const RomTableWrite &write)
        : FColumns(layout.columns),
          FDataIndent(Tabs(layout.tabs)),
          FWrite(write),
          FBuffer(kRomTableWriteChunk + kStepRoom)
    {
        FPos = FBuffer.data();
        FFlushMark = FBuffer.data() + kRomTableWriteChunk;
    }

    void Line(std::string_view text)
    {
        // Header and footer lines are short; a flush first keeps the room guarantee.
        if (static_cast<std::size_t>(FFlushMark - FPos) < text.size() + 2)
            Flush();
        std::memcpy(FPos, text.data(), text.size());
        FPos += text.size();
        EndLine();
    }

    // `count` elements of N bytes each; `endsTable` when the last of them ends the input.
    template <int N, bool Vhdl>
    void Elements(const unsigned char *bytes, std::size_t count, bool endsTable)
    {
        char *pos = FPos;
        for (std::size_t i = 0; i < count; ++i, bytes += N) {
            if (!FLineOpen) {
                std::memcpy(pos, FDataIndent.data(), FDataIndent.size());
                pos += FDataIndent.size();
                FLineOpen = true;
            }
            if constexpr (Vhdl) {
                std::memcpy(pos, "x\"", 2);
            } else {
                std::memcpy(pos, "0x", 2);
            }
            pos += 2;
            for (int k = N - 1; k >= 0; --k) {
                std::memcpy(pos, kHexPairs[bytes[k]].data(), 2);
                pos += 2;
            }
            if constexpr (Vhdl)
                *pos++ = '"';
            // The very last element of the input carries no comma.
            if (endsTable && i + 1 == count) {
                *pos++ = ' ';
            } else {
                std::memcpy(pos, ", ", 2);
                pos += 2;
            }
            // The element counter is 8 bits wide: a column size of 0 fills at 256, one
            // outside 0 to 255 never fills a line.
            ++FCounter;
            if (FCounter == FColumns) {
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
    void EndLine()
    {
        std::memcpy(FPos, "\r\n", 2);
        FPos += 2;
        if (FPos >= FFlushMark)
            Flush();
    }

    const std::int32_t FColumns;
    const std::string FDataIndent;
    const RomTableWrite &FWrite;
    std::vector<char> FBuffer;
    char *FPos = nullptr;
    char *FFlushMark = nullptr;
    std::uint8_t FCounter = 0;
    bool FLineOpen = false;
};

template <int N, bool Vhdl>
void EncodeElements(TableEncoder &encoder, std::uint64_t elementCount, const RomTableRead &read)
{
    static_assert(kRomTableReadChunk % 4 == 0);
    std::vector<unsigned char> input(kRomTableReadChunk);
    const std::uint64_t perChunk = kRomTableReadChunk / N;
    std::uint64_t remaining = elementCount;
    while (remaining > 0) {
        const std::size_t count = static_cast<std::size_t>(std::min(remaining, perChunk));
        read(reinterpret_cast<char *>(input.data()), count * N);
        encoder.Elements<N, Vhdl>(input.data(), count, count == remaining);
        remaining -= count;
    }
}

int ElementBits(int elementBytes) { return elementBytes * 8; }

const char *CTypeName(int elementBytes)
{
    switch (elementBytes) {
    case 1: return "const unsigned char data[] = {";
    case 2: return "const unsigned word data[] = {";
    default: return "const unsigned long word data[] = {";
    }
}

}  // namespace

std::string RomTableOutputName(std::string_view inputName)
{
#ifdef _WIN32
    constexpr std::string_view kNameDelimiters = "\\/:";
#else
    constexpr std::string_view kNameDelimiters = "/";
#endif
    const std::size_t dot = inputName.rfind('.');
    const std::size_t delimiter = inputName.find_last_of(kNameDelimiters);
    const bool hasExtension =
        dot != std::string_view::npos && (delimiter == std::string_view::npos || dot > delimiter);
    std::string output(hasExtension ? inputName.substr(0, dot) : inputName);
    output += ".txt";
    return output;
}

void WriteRomTable(std::uint64_t elementCount, const RomTableLayout &layout,
                   const RomTableRead &read, const RomTableWrite &write)
{
    const int n = layout.elementBytes;
    if (n != 1 && n != 2 && n != 4)
        throw Error("Invalid element size");
    const bool vhdl = layout.format == RomFormat::Vhdl;
    const std::int32_t tabs = std::min(layout.tabs, kMaxTabs);
    const std::string headerIndent = tabs > 1 ? Tabs(tabs - 1) : std::string();

    TableEncoder encoder(layout, write);
    if (vhdl) {
        const std::int64_t lastIndex = static_cast<std::int64_t>(elementCount) - 1;
        encoder.Line(headerIndent + "type tRom_Array is array(0 to " + std::to_string(lastIndex) +
                     ") of std_logic_vector(" + std::to_string(ElementBits(n) - 1) +
                     " downto 0);");
        encoder.Line(headerIndent + "constant DATA_ROM :  tRom_Array := (");
    } else {
        encoder.Line(headerIndent + CTypeName(n));
    }

    switch (n * 2 + (vhdl ? 1 : 0)) {
    case 2: EncodeElements<1, false>(encoder, elementCount, read); break;
    case 3: EncodeElements<1, true>(encoder, elementCount, read); break;
    case 4: EncodeElements<2, false>(encoder, elementCount, read); break;
    case 5: EncodeElements<2, true>(encoder, elementCount, read); break;
    case 8: EncodeElements<4, false>(encoder, elementCount, read); break;
    default: EncodeElements<4, true>(encoder, elementCount, read); break;
    }
    encoder.CloseDataLine();

    encoder.Line(headerIndent + (vhdl ? ");" : "};"));
    encoder.Flush();
}

std::string RomTableText(std::string_view input, const RomTableLayout &layout)
{
    std::string text;
    std::size_t offset = 0;
    const std::uint64_t elementCount =
        layout.elementBytes > 0 ? input.size() / static_cast<std::size_t>(layout.elementBytes) : 0;
    WriteRomTable(
        elementCount, layout,
        [&](char *buffer, std::size_t count) {
            std::memcpy(buffer, input.data() + offset, count);
            offset += count;
        },
        [&](const char *data, std::size_t count) { text.append(data, count); });
    return text;
}

}  // namespace zolvik
