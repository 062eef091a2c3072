#pragma once
// Builds Intel HEX records for the tests, checksums included.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace hex2bin::test {

inline std::string Record(unsigned type, unsigned offset, const std::vector<std::uint8_t> &data)
{
    std::vector<std::uint8_t> bytes{
        static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(offset >> 8),
        static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(type)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const auto b : bytes)
        sum += b;
    bytes.push_back(static_cast<std::uint8_t>(-sum));
    std::string line = ":";
    char digits[3];
    for (const auto b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        line += digits;
    }
    return line + "\n";
}

inline std::string Data(unsigned offset, const std::vector<std::uint8_t> &data)
{
    return Record(0x00, offset, data);
}

inline std::string EndOfFile()
{
    return ":00000001FF\n";
}

inline std::string SegmentBase(unsigned segment)
{
    return Record(0x02, 0,
                  {static_cast<std::uint8_t>(segment >> 8), static_cast<std::uint8_t>(segment)});
}

inline std::string LinearBase(unsigned upper)
{
    return Record(0x04, 0,
                  {static_cast<std::uint8_t>(upper >> 8), static_cast<std::uint8_t>(upper)});
}

}  // namespace hex2bin::test
