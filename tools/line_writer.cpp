#include "tools/line_writer.h"

#include <cstdint>

namespace zolvik {

namespace {

// Decodes one UTF-8 sequence at text[i]; a byte that starts no valid sequence stands for
// itself (Latin-1).
char32_t DecodeAt(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    }
    if (length == 0 || i + length > text.size()) {
        ++i;
        return lead;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return code;
}

}  // namespace

std::string ToLowBytes(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t code = DecodeAt(utf8, i);
        if (code < 0x10000) {
            bytes.push_back(static_cast<char>(code & 0xFF));
        } else {
            // Outside the basic plane a character takes two UTF-16 units.
            const char32_t offset = code - 0x10000;
            bytes.push_back(static_cast<char>((0xD800 + (offset >> 10)) & 0xFF));
            bytes.push_back(static_cast<char>((0xDC00 + (offset & 0x3FF)) & 0xFF));
        }
    }
    return bytes;
}

void WriteLineFmt(std::ostream &stream, std::string_view format,
                  std::initializer_list<FormatArg> args, char decimalSeparator)
{
    WriteLine(stream, Format(format, args, decimalSeparator));
}

void WriteLine(std::ostream &stream, std::string_view text)
{
    const std::string bytes = ToLowBytes(text) + "\r\n";
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zolvik
