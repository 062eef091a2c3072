#include <gtest/gtest.h>

#include "hex2bin/hex_record.h"

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

TEST(HexRecord, AcceptsLowerCaseDigits)
{
    const Decoded d = Decode(":0300300002337a1e");
    ASSERT_FALSE(d.fault) << *d.fault;
    EXPECT_EQ(d.record.data[2], 0x7A);
}

TEST(HexRecord, DecodesEveryAddressRecordType)
{
    const Decoded eof = Decode(":00000001FF");
    ASSERT_FALSE(eof.fault);
    EXPECT_EQ(eof.record.type, RecordType::EndOfFile);

    const Decoded segment = Decode(":020000021200EA");
    ASSERT_FALSE(segment.fault) << *segment.fault;
    EXPECT_EQ(segment.record.type, RecordType::ExtendedSegmentAddress);
    EXPECT_EQ(segment.record.data[0], 0x12);

    const Decoded startSegment = Decode(":0400000300003800C1");
    ASSERT_FALSE(startSegment.fault) << *startSegment.fault;
    EXPECT_EQ(startSegment.record.type, RecordType::StartSegmentAddress);

    const Decoded linear = Decode(":020000040800F2");
    ASSERT_FALSE(linear.fault) << *linear.fault;
    EXPECT_EQ(linear.record.type, RecordType::ExtendedLinearAddress);
    EXPECT_EQ(linear.record.data[0], 0x08);

    const Decoded startLinear = Decode(":04000005000000CD2A");
    ASSERT_FALSE(startLinear.fault) << *startLinear.fault;
    EXPECT_EQ(startLinear.record.type, RecordType::StartLinearAddress);
}

TEST(HexRecord, NamesABadChecksumWithTheExpectedValue)
{
    const Decoded d = Decode(":0300300002337A1F");
    ASSERT_TRUE(d.fault);
    EXPECT_EQ(*d.fault, "bad checksum 0x1F, the record's bytes need 0x1E");
}

TEST(HexRecord, NamesMalformedLines)
{
    EXPECT_EQ(Decode("0300300002337A1E").fault, "malformed record: it does not start with ':'");
    EXPECT_EQ(Decode(":0300300002337A1").fault,
              "malformed record: odd number of hexadecimal digits");
    EXPECT_EQ(Decode(":00000001").fault,
              "malformed record: too short (4 bytes, a record has at least 5)");
    EXPECT_EQ(Decode(":").fault, "malformed record: too short (0 bytes, a record has at least 5)");
    EXPECT_EQ(Decode(":03003000G2337A1E").fault,
              "malformed record: 'G' is not a hexadecimal digit");
    EXPECT_EQ(Decode(":030030000 337A1E").fault, "malformed record: a blank inside the record");
    EXPECT_EQ(Decode(":03003000\t2337A1E").fault, "malformed record: a blank inside the record");
    EXPECT_EQ(Decode(":0300300002337A1E" + std::string(1, '\0') + "0").fault,
              "malformed record: a NUL byte inside the record");
    EXPECT_EQ(Decode(":030030000233\x01"
                     "A1E")
                  .fault,
              "malformed record: byte 0x01 is not a hexadecimal digit");
    EXPECT_EQ(Decode(":" + std::string(2 * 261, '0')).fault,
              "malformed record: too long (261 bytes, a record has at most 260)");
}

TEST(HexRecord, NamesALengthThatDoesNotMatchTheLine)
{
    // Declares 4 data bytes but carries 3; the checksum is right for the bytes present.
    EXPECT_EQ(Decode(":0400300002337A1D").fault,
              "record length 0x04 does not match the line, which holds 3 data bytes");
    EXPECT_EQ(Decode(":0200300002337A1F").fault,
              "record length 0x02 does not match the line, which holds 3 data bytes");
}

TEST(HexRecord, NamesAnUnknownType)
{
    // Type 06 with a correct checksum.
    EXPECT_EQ(Decode(":00000006FA").fault, "unknown record type 0x06");
    EXPECT_EQ(Decode(":000000FF01").fault, "unknown record type 0xFF");
}

TEST(HexRecord, RequiresTheLengthOfEachAddressRecord)
{
    EXPECT_EQ(Decode(":01000001AA54").fault,
              "malformed record: end-of-file record with 1 data bytes instead of 0");
    EXPECT_EQ(Decode(":0100000412E9").fault,
              "malformed record: extended linear address record with 1 data bytes instead of 2");
    EXPECT_EQ(Decode(":03000002120000E9").fault,
              "malformed record: extended segment address record with 3 data bytes instead of 2");
    EXPECT_EQ(Decode(":020000050000F9").fault,
              "malformed record: start linear address record with 2 data bytes instead of 4");
}

TEST(HexRecord, DecodesTheLongestRecord)
{
    std::string line = ":FF000000";
    unsigned sum = 0xFF;
    for (int i = 0; i < 255; ++i) {
        line += "A5";
        sum += 0xA5;
    }
    char checksum[3];
    std::snprintf(checksum, sizeof checksum, "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
    line += checksum;
    const Decoded d = Decode(line);
    ASSERT_FALSE(d.fault) << *d.fault;
    EXPECT_EQ(d.record.length, 255);
    EXPECT_EQ(d.record.data[254], 0xA5);
}

TEST(HexRecord, FormatsBytesAndAddresses)
{
    EXPECT_EQ(HexByte(0x0A), "0x0A");
    EXPECT_EQ(HexAddress(0x800FFF0), "0x0800FFF0");
    EXPECT_EQ(HexAddress(0xFFFFFFFF), "0xFFFFFFFF");
}

}  // namespace
}  // namespace hex2bin
