// Motorola S-records through the converter: the records by hand, each fault by its message.
#include <gtest/gtest.h>

#include "hex2bin/convert.h"

namespace hex2bin {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The example of the format's common description: header, three S1 records, count and S9.
const std::string kHello = "S00F000068656C6C6F202020202000003C\n"
                           "S11F00007C0802A6900100049421FFF07C6C1B787C8C23783C6000003863000026\n"
                           "S11F001C4BFFFFE5398000007D83637880010014382100107C0803A64E800020E9\n"
                           "S111003848656C6C6F20776F726C642E0A0042\n"
                           "S5030003F9\n"
                           "S9030000FC\n";

Bytes FromHex(std::string_view digits)
{
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(digits.substr(i, 2)), nullptr, 16)));
    return bytes;
}

struct GoodSrec {
    const char *name;
    std::string text;
    std::uint64_t first;  // lowest address
    Bytes bytes;
    std::optional<std::uint32_t> start;
};

const GoodSrec kGoodSrecs[] = {
    GoodSrec{"HeaderS1CountS9", kHello, 0,
             FromHex("7C0802A6900100049421FFF07C6C1B787C8C23783C60000038630000"
                     "4BFFFFE5398000007D83637880010014382100107C0803A64E800020"
                     "48656C6C6F20776F726C642E0A00"),
             0},
    GoodSrec{"S2WithS8", "S206010000AABB93\nS8041234565F\n", 0x10000, {0xAA, 0xBB}, 0x123456},
    GoodSrec{
        "S3WithS7", "S30808000000010203E9\nS70508000101F0\n", 0x08000000, {1, 2, 3}, 0x08000101},
    GoodSrec{"NoEndRecordS6CountLowerCaseCrLf",
             "\xEF\xBB\xBFS1130000285f245f2212226a000424290008237c2a\r\nS604000001FA\r\n" +
                 std::string("S1130000285f245f2212226a000424290008237c2a\n"),
             0, FromHex("285F245F2212226A000424290008237C"), std::nullopt}};

TEST(SrecInput, GivesTheBytesAndTheStartAddress)
{
    ConvertOptions options;
    options.fill = 0x00;
    for (const GoodSrec &c : kGoodSrecs) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = ConvertHex(c.text, options);
        ASSERT_TRUE(conversion.ok())
            << conversion.error()->line << ": " << conversion.error()->message;
        EXPECT_EQ(conversion.image().start, c.first);
        EXPECT_EQ(conversion.Bytes(), c.bytes);
        EXPECT_EQ(conversion.startAddress(), c.start);
    }
}

struct BadSrec {
    const char *name;
    std::string text;
    std::size_t line;
    std::string message;
};

const std::string kS1 = "S1130000285F245F2212226A000424290008237C2A\n";

const BadSrec kBadSrecs[] = {
    BadSrec{"BadChecksum", kS1 + "S111003848656C6C6F20776F726C642E0A0043\n", 2,
            "bad checksum 0x43, the record's bytes need 0x42"},
    BadSrec{"LengthMismatch", "S112003848656C6C6F20776F726C642E0A0042\n", 1,
            "record length 0x12 does not match the line, which holds 17 bytes after it"},
    BadSrec{"UnknownType", kS1 + "S4030000FC\n", 2, "unknown record type S4"},
    BadSrec{"EndWithData", "S90500000102F7\n", 1,
            "malformed record: S9 record with 2 data bytes instead of 0"},
    BadSrec{"AddressCutShort", "S2030000FC\n", 1,
            "malformed record: S2 record too short for its 3-byte address"},
    BadSrec{"WrongCount", kS1 + "S5030002FA\n", 2,
            "record count 2 does not match the 1 data records before it"},
    BadSrec{"DataAfterEnd", "S9030000FC\n\n" + kS1, 3, "data after the end record"},
    BadSrec{"PastTheAddressSpace", "S307FFFFFFFF0102F9\n", 1,
            "data runs past the end of the 4 GiB address space"},
    BadSrec{"NotARecord", kS1 + ":00000001FF\n", 2, "malformed record: it does not start with 'S'"},
    BadSrec{"BlankInside", "S113000028 5F245F2212226A000424290008237C2A\n", 1,
            "malformed record: a blank inside the record"},
    BadSrec{"OddDigits", "S113000028F245F2212226A000424290008237C2A\n", 1,
            "malformed record: odd number of hexadecimal digits"},
    BadSrec{"TooShort", "S1020000\n", 1,
            "malformed record: too short (3 bytes, a record has at least 4)"},
    BadSrec{"LongerThanAnyRecord", kS1 + "S1" + std::string(5000, '0'), 2,
            "malformed record: longer than 514 characters"},
    BadSrec{"Conflict", kS1 + "S1050002FF00F9\n", 2,
            "address 0x00000002 written twice with different data: 0x24 before, 0xFF here"}};

TEST(SrecFault, NamesTheLineAndTheFault)
{
    for (const BadSrec &c : kBadSrecs) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = ConvertHex(c.text);
        ASSERT_FALSE(conversion.ok());
        EXPECT_EQ(conversion.error()->line, c.line);
        EXPECT_EQ(conversion.error()->message, c.message);
    }
}

}  // namespace
}  // namespace hex2bin
