// Format names, output file names and default table names of the ROM table writer.
#include "tools/rom_table_format.h"

namespace zolvik {

namespace {

#ifdef _WIN32
constexpr std::string_view kNameDelimiters = "\\/:";
#else
constexpr std::string_view kNameDelimiters = "/";
#endif

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<RomFormat> RomFormatFromName(std::string_view name)
{
    for (const RomFormatName &entry : kRomFormatNames)
        if (entry.name == name)
            return entry.format;
    return std::nullopt;
}

std::string_view RomFormatNameOf(RomFormat format)
{
    for (const RomFormatName &entry : kRomFormatNames)
        if (entry.format == format)
            return entry.name;
    return {};
}

bool RomFormatHasName(RomFormat format)
{
    return format != RomFormat::Verilog && format != RomFormat::Coe && format != RomFormat::Mif;
}

bool RomFormatRequiresName(RomFormat format)
{
    return format == RomFormat::CStdint || format == RomFormat::Cpp ||
           format == RomFormat::VhdlPackage;
}

std::string_view RomFormatExtension(RomFormat format)
{
    switch (format) {
    case RomFormat::CStdint: return ".h";
    case RomFormat::Cpp: return ".hpp";
    case RomFormat::Verilog: return ".mem";
    case RomFormat::Coe: return ".coe";
    case RomFormat::Mif: return ".mif";
    case RomFormat::VhdlPackage: return ".vhd";
    case RomFormat::Vhdl:
    case RomFormat::C: break;
    }
    return ".txt";
}

std::string RomTableOutputName(std::string_view inputName, RomFormat format)
{
    const std::size_t dot = inputName.rfind('.');
    const std::size_t delimiter = inputName.find_last_of(kNameDelimiters);
    const bool hasExtension =
        dot != std::string_view::npos && (delimiter == std::string_view::npos || dot > delimiter);
    std::string output(hasExtension ? inputName.substr(0, dot) : inputName);
    output += RomFormatExtension(format);
    return output;
}

std::string RomTableDefaultName(std::string_view inputName)
{
    const std::size_t delimiter = inputName.find_last_of(kNameDelimiters);
    const std::string_view base =
        delimiter == std::string_view::npos ? inputName : inputName.substr(delimiter + 1);
    std::string name;
    if (!base.empty() && IsAsciiDigit(base.front()))
        name += '_';
    for (char c : base)
        name += IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_' ? c : '_';
    return name;
}

}  // namespace zolvik
