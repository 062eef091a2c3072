#include "common/u_string.h"

namespace zolvik {

std::string FixDecimalSeparator(std::string text, char decimalSeparator)
{
    std::size_t pos = text.find('.');
    if (pos == std::string::npos)
        pos = text.find(',');
    if (pos != std::string::npos)
        text[pos] = decimalSeparator;
    return text;
}

std::string IntToBin(std::int32_t value, int digits)
{
    // Only the low `digits` bits fit; higher bits of a wider value are dropped.
    std::string text(static_cast<std::size_t>(digits > 0 ? digits : 0), '0');
    for (int pos = digits - 1; value > 0 && pos >= 0; --pos) {
        if (value & 1)
            text[static_cast<std::size_t>(pos)] = '1';
        value >>= 1;
    }
    return text;
}

}  // namespace zolvik
