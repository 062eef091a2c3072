// The HEX converter on any bytes: either a clean error naming a line, or a binary; and a
// binary written back as Intel HEX converts to the same bytes at the same address.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "hex2bin/convert.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void AppendRecord(std::string &hex, std::uint8_t type, std::uint16_t address,
                  const std::uint8_t *data, std::size_t count)
{
    char field[16];
    std::uint8_t sum = static_cast<std::uint8_t>(count + (address >> 8) + (address & 0xFF) + type);
    std::snprintf(field, sizeof field, ":%02X%04X%02X", static_cast<unsigned>(count), address, type);
    hex += field;
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(field, sizeof field, "%02X", data[i]);
        hex += field;
        sum = static_cast<std::uint8_t>(sum + data[i]);
    }
    std::snprintf(field, sizeof field, "%02X\r\n", static_cast<std::uint8_t>(-sum) & 0xFF);
    hex += field;
}

// The image as HEX with extended linear address records, 16 bytes per data record.
std::string Encode(std::uint64_t start, const std::vector<std::uint8_t> &bytes)
{
    std::string hex;
    std::uint32_t upper = 0xFFFFFFFF;
    for (std::size_t offset = 0; offset < bytes.size();) {
        const std::uint64_t address = start + offset;
        const std::uint32_t high = static_cast<std::uint32_t>(address >> 16);
        if (high != upper) {
            const std::uint8_t base[2] = {static_cast<std::uint8_t>(high >> 8),
                                          static_cast<std::uint8_t>(high)};
            AppendRecord(hex, 0x04, 0, base, 2);
            upper = high;
        }
        std::size_t count = std::min<std::size_t>(16, bytes.size() - offset);
        count = std::min<std::uint64_t>(count, 0x10000 - (address & 0xFFFF));
        AppendRecord(hex, 0x00, static_cast<std::uint16_t>(address), bytes.data() + offset, count);
        offset += count;
    }
    AppendRecord(hex, 0x01, 0, nullptr, 0);
    return hex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    hex2bin::ConvertOptions options;
    options.maxSize = 1 << 20;  // keep each run small
    const hex2bin::Conversion result = hex2bin::ConvertHex(text, options);
    if (!result.ok()) {
        FUZZ_CHECK(!result.error()->message.empty());
        return 0;
    }
    const std::vector<std::uint8_t> bytes = result.Bytes();
    FUZZ_CHECK(bytes.size() == result.image().length);
    if (bytes.empty())
        return 0;

    const hex2bin::Conversion again = hex2bin::ConvertHex(Encode(result.image().start, bytes), options);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.image().start == result.image().start);
    FUZZ_CHECK(again.Bytes() == bytes);
    return 0;
}
