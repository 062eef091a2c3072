// Whole-number readings: the strict reading succeeds exactly when the lenient one does not
// fall back to its default, both agree on the value, and the hexadecimal and decimal texts
// read back to the value they were made from.
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "common/errors.h"
#include "common/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);

    // Two defaults tell "fell back" from "read the default's value".
    const std::int32_t lenientA = zolvik::StrToIntDef(text, 7);
    const std::int32_t lenientB = zolvik::StrToIntDef(text, -9);
    const bool lenientRead = lenientA == lenientB;
    bool strictRead = true;
    std::int32_t strict = 0;
    try {
        strict = zolvik::StrToInt(text);
    } catch (const zolvik::Error &error) {
        strictRead = false;
        // what() is a C string: the message ends at a NUL of the text.
        const std::string expected = "'" + text + "' is not a valid integer value";
        FUZZ_CHECK(std::string(error.what()) == expected.c_str());
    }
    FUZZ_CHECK(strictRead == lenientRead);
    if (strictRead)
        FUZZ_CHECK(strict == lenientA);

    if (size >= 4) {
        std::int32_t value;
        std::memcpy(&value, data, sizeof value);
        FUZZ_CHECK(zolvik::StrToInt(zolvik::IntToStr(value)) == value);
        FUZZ_CHECK(zolvik::StrToInt("$" + zolvik::IntToHex(value, 8)) == value);
        FUZZ_CHECK(zolvik::StrToInt("0x" + zolvik::IntToHex(value, 1)) == value);
    }
    return 0;
}
