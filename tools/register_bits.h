#pragma once
// A 32-bit register seen as nibbles, bytes, words and the double word: the read-outs of the
// bit and byte editor, and the byte that an entry text sets.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zolvik {

struct RegisterReadouts {
    std::array<std::string, 4> lowNibbles;   // byte k's bits 3..0 as one hex digit
    std::array<std::string, 4> highNibbles;  // byte k's bits 7..4 as one hex digit
    std::array<std::string, 4> bytes;        // "0xHH (d)", d from 0 to 255
    std::array<std::string, 2> words;  // "0xHHHH (d)": word 0 is bits 15..0, word 1 bits 31..16
    std::string doubleWord;            // "0xHHHHHHHH (d)", d read as signed 32 bits
};

RegisterReadouts RegisterReadoutsOf(std::uint32_t value);

// "0x" + the value in `hexDigits` upper-case hex digits + " (" + decimal + ")".
std::string RegisterReadout(std::uint32_t value, int hexDigits, std::int64_t decimal);

// The byte an entry text stands for: the lenient whole-number reading with default 0
// (decimal, or hex after "$", "x", "X", "0x", "0X"), of which only the low eight bits count.
std::uint8_t ByteEntryValue(std::string_view text);

// `value` with byte `byteIndex` (0 = bits 7..0) replaced by `byte`.
std::uint32_t WithByte(std::uint32_t value, int byteIndex, std::uint8_t byte);

inline bool BitOf(std::uint32_t value, int bit)
{
    return (value >> bit) & 1u;
}

}  // namespace zolvik
