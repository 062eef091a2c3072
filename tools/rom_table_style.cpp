// The text of every ROM table format around and between its elements.
#include "tools/rom_table_style.h"

#include <algorithm>

#include "common/errors.h"

namespace zolvik {

namespace {

// The tab loops count in 8 bits: no line gets more than 255 tabs.
constexpr std::int32_t kMaxTabs = 255;

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsCIdentifier(std::string_view name)
{
    if (name.empty() || IsDigit(name.front()))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return IsLetter(c) || IsDigit(c) || c == '_'; });
}

// A VHDL basic identifier: a letter, then letters and digits, single "_" between them.
bool IsVhdlIdentifier(std::string_view name)
{
    if (name.empty() || !IsLetter(name.front()) || name.back() == '_')
        return false;
    for (std::size_t i = 1; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '_' ? name[i - 1] == '_' : !(IsLetter(c) || IsDigit(c)))
            return false;
    }
    return true;
}

std::string Tabs(std::int32_t count)
{
    return std::string(static_cast<std::size_t>(std::clamp(count, 0, kMaxTabs)), '\t');
}

int HexDigits(std::uint64_t value)
{
    int digits = 1;
    while (value >>= 4)
        ++digits;
    return digits;
}

std::string LegacyCHeader(int elementBytes, const std::string &name)
{
    switch (elementBytes) {
    case 1: return "const unsigned char " + name + "[] = {";
    case 2: return "const unsigned word " + name + "[] = {";
    default: return "const unsigned long word " + name + "[] = {";
    }
}

// Every element but the last is followed by ", ", the last by " ".
void LegacySeparators(RomTableStyle &style)
{
    style.separator = ", ";
    style.separatorAtLineEnd = ", ";
    style.last = " ";
}

void ListSeparators(RomTableStyle &style)
{
    style.separator = ", ";
    style.separatorAtLineEnd = ",";
}

}  // namespace

RomTableStyle RomTableStyleOf(const RomTableLayout &layout, std::uint64_t elementCount)
{
    const RomFormat format = layout.format;
    const bool vhdlFamily = format == RomFormat::Vhdl || format == RomFormat::VhdlPackage;
    const bool declaresName = RomFormatRequiresName(format);
    const std::string &name = layout.name;
    if (RomFormatHasName(format) && (declaresName || !name.empty()) &&
        !(vhdlFamily ? IsVhdlIdentifier(name) : IsCIdentifier(name)))
        throw Error("Invalid table name \"" + name + "\" for the " +
                    std::string(RomFormatNameOf(format)) + " format");
    if (declaresName && elementCount == 0)
        throw Error("An empty input makes no " + std::string(RomFormatNameOf(format)) + " table");

    const int bits = layout.elementBytes * 8;
    const std::string count = std::to_string(elementCount);
    const std::string lastIndex = std::to_string(static_cast<std::int64_t>(elementCount) - 1);
    const std::string vector = "std_logic_vector(" + std::to_string(bits - 1) + " downto 0);";
    const std::int32_t tabs = std::min(layout.tabs, kMaxTabs);
    const std::string h = tabs > 1 ? Tabs(tabs - 1) : std::string();

    RomTableStyle style;
    style.dataIndent = Tabs(layout.tabs);
    style.columns = layout.columns;
    switch (format) {
    case RomFormat::Vhdl:
        style.head = {h + "type tRom_Array is array(0 to " + lastIndex + ") of " + vector,
                      h + "constant " + (name.empty() ? "DATA_ROM" : name) + " :  tRom_Array := ("};
        style.tail = {h + ");"};
        style.open = "x\"";
        style.close = "\"";
        LegacySeparators(style);
        break;
    case RomFormat::C:
        style.head = {h + LegacyCHeader(layout.elementBytes, name.empty() ? "data" : name)};
        style.tail = {h + "};"};
        style.open = "0x";
        LegacySeparators(style);
        break;
    case RomFormat::CStdint:
        style.head = {"#include <stdint.h>", "#include <stddef.h>",
                      h + "static const uint" + std::to_string(bits) + "_t " + name + "[" + count +
                          "] = {"};
        style.tail = {h + "};", h + "static const size_t " + name + "_len = " + count + ";"};
        style.open = "0x";
        ListSeparators(style);
        break;
    case RomFormat::Cpp:
        style.head = {"#include <array>", "#include <cstdint>",
                      h + "inline constexpr std::array<std::uint" + std::to_string(bits) + "_t, " +
                          count + "> " + name + " = {"};
        style.tail = {h + "};"};
        style.open = "0x";
        ListSeparators(style);
        break;
    case RomFormat::Verilog:
        style.dataIndent.clear();
        style.columns = 1;
        break;
    case RomFormat::Coe:
        style.head = {"memory_initialization_radix=16;", "memory_initialization_vector="};
        if (elementCount == 0)
            style.tail = {";"};
        ListSeparators(style);
        style.last = ";";
        break;
    case RomFormat::Mif:
        style.head = {"WIDTH=" + std::to_string(bits) + ";", "DEPTH=" + count + ";",
                      "ADDRESS_RADIX=HEX;", "DATA_RADIX=HEX;", "CONTENT BEGIN"};
        style.tail = {"END;"};
        style.dataIndent.clear();
        style.columns = 1;
        style.index = RomIndex::Hex;
        style.indexWidth = HexDigits(elementCount > 0 ? elementCount - 1 : 0);
        style.indexEnd = " : ";
        style.close = ";";
        break;
    case RomFormat::VhdlPackage:
        style.head = {"library ieee;", "use ieee.std_logic_1164.all;",
                      "package " + name + "_pkg is",
                      h + "type " + name + "_t is array (0 to " + lastIndex + ") of " + vector,
                      h + "constant " + name + " : " + name + "_t := ("};
        style.tail = {h + ");", "end package " + name + "_pkg;"};
        style.index = RomIndex::Decimal;
        style.indexEnd = " => ";
        style.open = "x\"";
        style.close = "\"";
        ListSeparators(style);
        break;
    }
    return style;
}

}  // namespace zolvik
