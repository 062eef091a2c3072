// The converter on any bytes, Intel HEX or S-records: either a clean error naming a line, or a
// binary; and a binary written back as Intel HEX converts to the same bytes at the same address.
#include <cstdint>
#include <string>
#include <vector>

#include "hex2bin/convert.h"
#include "hex2bin/intel_hex_writer.h"
#include "tests/fuzz/fuzz_check.h"

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

    const hex2bin::Conversion again =
        hex2bin::ConvertHex(hex2bin::IntelHexText(bytes, result.image().start), options);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.image().start == result.image().start);
    FUZZ_CHECK(again.Bytes() == bytes);
    return 0;
}
