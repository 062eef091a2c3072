#include "tools/register_bits.h"

#include "common/number_text.h"

namespace zolvik {

std::string RegisterReadout(std::uint32_t value, int hexDigits, std::int64_t decimal)
{
    // No decimal separator appears in "%d".
    return Format("0x%s (%d)", {IntToHex(value, hexDigits), decimal}, '.');
}

RegisterReadouts RegisterReadoutsOf(std::uint32_t value)
{
    RegisterReadouts readouts;
    for (int k = 0; k < 4; ++k) {
        const std::uint32_t byte = (value >> (8 * k)) & 0xFFu;
        readouts.lowNibbles[k] = IntToHex(byte & 0xFu, 1);
        readouts.highNibbles[k] = IntToHex(byte >> 4, 1);
        readouts.bytes[k] = RegisterReadout(byte, 2, byte);
    }
    for (int w = 0; w < 2; ++w) {
        const std::uint32_t word = (value >> (16 * w)) & 0xFFFFu;
        readouts.words[w] = RegisterReadout(word, 4, word);
    }
    readouts.doubleWord = RegisterReadout(value, 8, static_cast<std::int32_t>(value));
    return readouts;
}

std::uint8_t ByteEntryValue(std::string_view text)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(StrToIntDef(text, 0)) & 0xFFu);
}

std::uint32_t WithByte(std::uint32_t value, int byteIndex, std::uint8_t byte)
{
    const int shift = 8 * byteIndex;
    return (value & ~(0xFFu << shift)) | (static_cast<std::uint32_t>(byte) << shift);
}

}  // namespace zolvik
