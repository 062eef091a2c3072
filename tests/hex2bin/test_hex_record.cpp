#include <gtest/gtest.h>

#include "hex2bin/hex_record.h"
#include "hex_text.h"

namespace hex2bin {
namespace {

struct Decoded {
    std::optional<std::string> fault;
    HexRecord record;
    std::uint8_t buffer[kMaxRecordBytes];
};

Decoded Decode(std::string_view line)
{
    Decoded d;
    d.fault = DecodeRecord(line, d.buffer, d.record);
    return d;
}

TEST(HexRecord, DecodesADataRecordByHand)
{
    // 03 bytes at 0x0030: 02 33 7A; sum 03+00+30+00+02+33+7A = 0xE2, checksum 0x1E.
    const Decoded d = Decode(":0300300002337A1E");
    ASSERT_FALSE(d.fault) << *d.fault;
    EXPECT_EQ(d.record.type, RecordType::Data);
    EXPECT_EQ(d.record.offset, 0x0030);
    ASSERT_EQ(d.record.length, 3);
    EXPECT_EQ(d.record.data[0], 0x02);
    EXPECT_EQ(d.record.data[1], 0x33);
    EXPECT_EQ(d.record.data[2], 0x7A);
}

TEST(HexRecord, DecodesEveryRecordType)
{
    struct Case {
        std::string line;
        RecordType type;
        std::uint8_t length;
        std::optional<std::pair<std::size_t, std::uint8_t>> data;  // a data byte's index, value
    };
    const Case cases[] = {
        {":0300300002337a1e", RecordType::Data, 3, {{2, 0x7A}}},  // lower-case digits
        {":00000001FF", RecordType::EndOfFile, 0, {}},
        {":020000021200EA", RecordType::ExtendedSegmentAddress, 2, {{0, 0x12}}},
        {":0400000300003800C1", RecordType::StartSegmentAddress, 4, {}},
        {":020000040800F2", RecordType::ExtendedLinearAddress, 2, {{0, 0x08}}},
        {":04000005000000CD2A", RecordType::StartLinearAddress, 4, {}},
        // The longest record, without its line end.
        {test::Record(0x00, 0, std::vector<std::uint8_t>(255, 0xA5)).substr(0, 1 + 2 * 260),
         RecordType::Data,
         255,
         {{254, 0xA5}}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        const Decoded d = Decode(c.line);
        ASSERT_FALSE(d.fault) << *d.fault;
        EXPECT_EQ(d.record.type, c.type);
        EXPECT_EQ(d.record.length, c.length);
        if (c.data) {
            EXPECT_EQ(d.record.data[c.data->first], c.data->second);
        }
    }
}

TEST(HexRecord, NamesEachFault)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {":0300300002337A1F", "bad checksum 0x1F, the record's bytes need 0x1E"},
        {"0300300002337A1E", "malformed record: it does not start with ':'"},
        {":0300300002337A1", "malformed record: odd number of hexadecimal digits"},
        {":00000001", "malformed record: too short (4 bytes, a record has at least 5)"},
        {":", "malformed record: too short (0 bytes, a record has at least 5)"},
        {":03003000G2337A1E", "malformed record: 'G' is not a hexadecimal digit"},
        {":030030000 337A1E", "malformed record: a blank inside the record"},
        {":03003000\t2337A1E", "malformed record: a blank inside the record"},
        {":0300300002337A1E" + std::string(1, '\0') + "0",
         "malformed record: a NUL byte inside the record"},
        {":030030000233\x01" "A1E", "malformed record: byte 0x01 is not a hexadecimal digit"},
        {":" + std::string(2 * 261, '0'),
         "malformed record: too long (261 bytes, a record has at most 260)"},
        // Declares 4 data bytes but carries 3; the checksum is right for the bytes present.
        {":0400300002337A1D",
         "record length 0x04 does not match the line, which holds 3 data bytes"},
        {":0200300002337A1F",
         "record length 0x02 does not match the line, which holds 3 data bytes"},
        // Types 06 and FF with a correct checksum.
        {":00000006FA", "unknown record type 0x06"},
        {":000000FF01", "unknown record type 0xFF"},
        {":01000001AA54", "malformed record: end-of-file record with 1 data bytes instead of 0"},
        {":0100000412E9",
         "malformed record: extended linear address record with 1 data bytes instead of 2"},
        {":03000002120000E9",
         "malformed record: extended segment address record with 3 data bytes instead of 2"},
        {":020000050000F9",
         "malformed record: start linear address record with 2 data bytes instead of 4"},
    };
    // clang-format on
    for (const auto &[line, fault] : cases)
        EXPECT_EQ(Decode(line).fault, fault) << line;
}

TEST(HexRecord, FormatsBytesAndAddresses)
{
    EXPECT_EQ(HexByte(0x0A), "0x0A");
    EXPECT_EQ(HexAddress(0x800FFF0), "0x0800FFF0");
    EXPECT_EQ(HexAddress(0xFFFFFFFF), "0xFFFFFFFF");
}

}  // namespace
}  // namespace hex2bin
