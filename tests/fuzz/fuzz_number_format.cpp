// The decimal reading and the formatting engine: any format text with any arguments gives
// either text or the format error, and fixed notation of a value reads back within half a
// unit of its last digit.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "common/errors.h"
#include "common/number_text.h"

namespace {

struct Input {
    const std::uint8_t *data;
    std::size_t size;

    std::uint8_t Byte() { return size ? (--size, *data++) : 0; }
    template <typename T>
    T Value()
    {
        T value{};
        const std::size_t n = std::min(sizeof(T), size);
        std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return value;
    }
};

zolvik::FormatArg MakeArg(Input &in)
{
    switch (in.Byte() % 3) {
    case 0: return std::int64_t{in.Value<std::int32_t>()};
    case 1: return static_cast<long double>(in.Value<double>());
    default: {
        const std::size_t length = in.Byte() % 8;
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text.push_back(static_cast<char>(in.Byte()));
        return text;
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in{data, size};
    const char separator = (in.Byte() & 1) ? ',' : '.';

    // Fixed notation reads back within half a unit of its last digit.
    const double value = in.Value<double>();
    const int decimals = in.Byte() % 7;
    if (std::isfinite(value) && std::fabs(value) < 1e15) {
        const std::string text = zolvik::FormatFixed(value, decimals, separator);
        const auto back = zolvik::ParseDecimal(text, separator);
        FUZZ_CHECK(back.has_value());
        const long double unit = std::pow(10.0L, -decimals);
        // The read-back is a double: allow its own rounding on top of the half unit.
        const long double slack = unit / 2 + std::fabs(static_cast<long double>(value)) * 1e-15L;
        FUZZ_CHECK(std::fabs(*back - value) <= slack);
    }

    // Any format with up to three arguments: text or the format error, nothing else.
    const zolvik::FormatArg a = MakeArg(in), b = MakeArg(in), c = MakeArg(in);
    const std::string format(reinterpret_cast<const char *>(in.data), in.size);
    try {
        zolvik::Format(format, {a, b, c}, separator);
    } catch (const zolvik::Error &error) {
        // what() is a C string: the message ends at a NUL of the format.
        const std::string expected =
            "Format '" + format + "' invalid or incompatible with argument";
        FUZZ_CHECK(std::string(error.what()) == expected.c_str());
    }

    // The decimal reading never fails: a number or nothing.
    const auto parsed = zolvik::ParseDecimal(format, separator);
    if (parsed)
        FUZZ_CHECK(std::isfinite(static_cast<double>(*parsed)));
    return 0;
}
