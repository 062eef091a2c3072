#include <gtest/gtest.h>

#include "hex2bin/convert.h"
#include "hex_text.h"

namespace hex2bin {
namespace {

using test::Data;
using test::EndOfFile;
using test::LinearBase;
using test::Record;
using test::SegmentBase;
using Bytes = std::vector<std::uint8_t>;

Bytes Convert(const std::string &text, const ConvertOptions &options = {})
{
    const Conversion c = ConvertHex(text, options);
    EXPECT_TRUE(c.ok()) << c.error()->line << ": " << c.error()->message;
    return c.Bytes();
}

HexError Fault(const std::string &text, const ConvertOptions &options = {})
{
    const Conversion c = ConvertHex(text, options);
    EXPECT_FALSE(c.ok());
    return c.ok() ? HexError{} : *c.error();
}

TEST(ConvertHex, CoversLowestToHighestAddressWithGapsFilled)
{
    const std::string text =
        Data(0x0102, {0x11, 0x22}) + Data(0x0100, {0xAA}) + Data(0x0106, {0x33}) + EndOfFile();
    const Conversion c = ConvertHex(text);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.image().start, 0x0100u);
    EXPECT_EQ(c.Bytes(), (Bytes{0xAA, 0xFF, 0x11, 0x22, 0xFF, 0xFF, 0x33}));
}

TEST(ConvertHex, UsesTheFillByte)
{
    ConvertOptions options;
    options.fill = 0x00;
    EXPECT_EQ(Convert(Data(0, {1}) + Data(3, {4}) + EndOfFile(), options), (Bytes{1, 0, 0, 4}));
}

TEST(ConvertHex, AcceptsCrLfLowerCaseBlankLinesAndSurroundingBlanks)
{
    const std::string text =
        "\r\n:0300300002337a1e\r\n   \n\t:010033004488  \r\n\n:00000001ff\r\n\r\n";
    EXPECT_EQ(Convert(text), (Bytes{0x02, 0x33, 0x7A, 0x44}));
}

TEST(ConvertHex, AcceptsALastLineWithoutLineEnd)
{
    EXPECT_EQ(Convert(Data(0, {7}) + ":00000001FF"), Bytes{7});
}

TEST(ConvertHex, PlacesDataUnderAnExtendedLinearAddress)
{
    const std::string text = LinearBase(0x0800) + Data(0xFFFE, {1, 2}) + LinearBase(0x0801) +
                             Data(0x0000, {3}) + EndOfFile();
    const Conversion c = ConvertHex(text);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.image().start, 0x0800FFFEu);
    EXPECT_EQ(c.Bytes(), (Bytes{1, 2, 3}));
}

TEST(ConvertHex, LetsALinearRecordRunAcrossA64KiBBoundary)
{
    const Conversion c = ConvertHex(LinearBase(1) + Data(0xFFFF, {1, 2}) + EndOfFile());
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.image().start, 0x1FFFFu);
    EXPECT_EQ(c.Bytes(), (Bytes{1, 2}));
}

TEST(ConvertHex, PlacesDataUnderAnExtendedSegmentAddress)
{
    // Segment 0x1200 starts at 0x12000.
    const Conversion c = ConvertHex(SegmentBase(0x1200) + Data(0x0010, {5, 6}) + EndOfFile());
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.image().start, 0x12010u);
    EXPECT_EQ(c.Bytes(), (Bytes{5, 6}));
}

TEST(ConvertHex, WrapsASegmentRecordWithinItsSegment)
{
    // Under segment 0x1000 (base 0x10000) the bytes past offset 0xFFFF land at offset 0.
    const Conversion c = ConvertHex(SegmentBase(0x1000) + Data(0xFFFE, {1, 2, 3, 4}) + EndOfFile());
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.image().start, 0x10000u);
    ASSERT_EQ(c.image().length, 0x10000u);
    const Bytes bytes = c.Bytes();
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 4);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[0xFFFE], 1);
    EXPECT_EQ(bytes[0xFFFF], 2);
}

TEST(ConvertHex, EachBaseRecordReplacesTheOther)
{
    const std::string text = LinearBase(0x0001) + Data(0, {1}) + SegmentBase(0x0002) +
                             Data(0, {2}) + LinearBase(0) + Data(0x0010, {3}) + EndOfFile();
    // 3 at 0x10, 2 at 0x20, 1 at 0x10000.
    const Bytes bytes = Convert(text);
    ASSERT_EQ(bytes.size(), 0x10000u - 0x10 + 1);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[0x10], 2);
    EXPECT_EQ(bytes.back(), 1);
}

TEST(ConvertHex, IgnoresStartAddressRecords)
{
    const std::string text = Record(0x03, 0, {0x00, 0x00, 0x38, 0x00}) + Data(0, {9}) +
                             Record(0x05, 0, {0x08, 0x00, 0x01, 0x01}) + EndOfFile();
    EXPECT_EQ(Convert(text), Bytes{9});
}

TEST(ConvertHex, AcceptsDuplicatesThatAgree)
{
    const std::string text = Data(0, {1, 2, 3}) + Data(1, {2, 3, 4}) + Data(0, {1}) + EndOfFile();
    EXPECT_EQ(Convert(text), (Bytes{1, 2, 3, 4}));
}

TEST(ConvertHex, RefusesAnAddressWrittenTwiceWithDifferentData)
{
    const std::string text =
        Data(0x10, {1, 2, 3}) + Data(0x20, {9}) + Data(0x11, {2, 7}) + EndOfFile();
    const HexError e = Fault(text);
    EXPECT_EQ(e.line, 3u);
    EXPECT_EQ(e.message,
              "address 0x00000012 written twice with different data: 0x03 before, 0x07 here");
}

TEST(ConvertHex, NamesTheLowestConflictAndTheFirstRecordThatDisagreesThere)
{
    // Conflicts at 0x05 (lines 1 and 4) and at 0x02 (lines 1, 2 agreeing, then 3).
    const std::string text = Data(0x00, {0, 1, 2, 3, 4, 5}) + Data(0x02, {2}) + Data(0x02, {8}) +
                             Data(0x05, {9}) + EndOfFile();
    const HexError e = Fault(text);
    EXPECT_EQ(e.line, 3u);
    EXPECT_EQ(e.message,
              "address 0x00000002 written twice with different data: 0x02 before, 0x08 here");
}

TEST(ConvertHex, FindsAConflictInsideALongRunOfMergedRecords)
{
    std::string text;
    for (unsigned i = 0; i < 64; ++i)
        text += Data(i * 4, {1, 2, 3, 4});
    text += Data(0x83, {4, 5}) + EndOfFile();
    const HexError e = Fault(text);
    EXPECT_EQ(e.line, 65u);
    EXPECT_EQ(e.message,
              "address 0x00000084 written twice with different data: 0x01 before, 0x05 here");
}

TEST(ConvertHex, ReportsEachLineFaultWithItsLineNumber)
{
    const std::string good = Data(0, {1, 2});
    EXPECT_EQ(Fault(good + "\n:0300300002337A1F\n" + EndOfFile()).line, 3u);
    EXPECT_EQ(Fault(good + "\n:0300300002337A1F\n" + EndOfFile()).message,
              "bad checksum 0x1F, the record's bytes need 0x1E");
    EXPECT_EQ(Fault(good + "hello\n" + EndOfFile()).message,
              "malformed record: it does not start with ':'");
    EXPECT_EQ(Fault(good + ":0400300002337A1D\n" + EndOfFile()).message,
              "record length 0x04 does not match the line, which holds 3 data bytes");
    EXPECT_EQ(Fault(good + ":00000006FA\n" + EndOfFile()).line, 2u);
    EXPECT_EQ(Fault(good + ":00000006FA\n" + EndOfFile()).message, "unknown record type 0x06");
}

TEST(ConvertHex, RefusesAnythingAfterTheEndOfFileRecord)
{
    const HexError e = Fault(Data(0, {1}) + EndOfFile() + "\n" + Data(1, {2}));
    EXPECT_EQ(e.line, 4u);
    EXPECT_EQ(e.message, "data after the end-of-file record");
    EXPECT_EQ(Fault(EndOfFile() + EndOfFile()).message, "data after the end-of-file record");
    EXPECT_EQ(Fault(EndOfFile() + "x").message, "data after the end-of-file record");
}

TEST(ConvertHex, RefusesAMissingEndOfFileRecord)
{
    const HexError e = Fault(Data(0, {1}) + Data(1, {2}));
    EXPECT_EQ(e.line, 2u);
    EXPECT_EQ(e.message, "missing end-of-file record");
    EXPECT_EQ(Fault("").line, 1u);
    EXPECT_EQ(Fault("").message, "missing end-of-file record");
}

TEST(ConvertHex, RefusesDataPastTheAddressSpace)
{
    const HexError e = Fault(LinearBase(0xFFFF) + Data(0xFFFF, {1, 2}) + EndOfFile());
    EXPECT_EQ(e.line, 2u);
    EXPECT_EQ(e.message, "data runs past the end of the 4 GiB address space");
    EXPECT_EQ(Convert(LinearBase(0xFFFF) + Data(0xFFFF, {1}) + EndOfFile()), Bytes{1});
}

TEST(ConvertHex, GivesAnEmptyImageWithoutData)
{
    const Conversion c = ConvertHex(Data(0x10, {}) + EndOfFile());
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.image().length, 0u);
    EXPECT_TRUE(c.Bytes().empty());
}

TEST(ConvertHex, ClipsToTheStartAndLengthAsked)
{
    const std::string text = Data(0x10, {1, 2, 3, 4}) + Data(0x20, {5}) + EndOfFile();
    ConvertOptions options;
    options.start = 0x12;
    options.length = 4;
    EXPECT_EQ(Convert(text, options), (Bytes{3, 4, 0xFF, 0xFF}));

    options.start = 0x0E;
    options.length = std::nullopt;
    const Bytes fromBelow = Convert(text, options);
    ASSERT_EQ(fromBelow.size(), 0x21u - 0x0E);
    EXPECT_EQ(fromBelow[0], 0xFF);
    EXPECT_EQ(fromBelow[2], 1);
    EXPECT_EQ(fromBelow.back(), 5);

    options.start = std::nullopt;
    options.length = 2;
    EXPECT_EQ(Convert(text, options), (Bytes{1, 2}));

    options.start = 0x30;
    EXPECT_EQ(Convert(text, options), (Bytes{0xFF, 0xFF}));
    options.length = std::nullopt;
    EXPECT_TRUE(Convert(text, options).empty());
}

TEST(ConvertHex, ALengthWithoutDataGivesFillBytes)
{
    ConvertOptions options;
    options.length = 3;
    options.fill = 0x5A;
    EXPECT_EQ(Convert(EndOfFile(), options), (Bytes{0x5A, 0x5A, 0x5A}));
}

TEST(ConvertHex, RefusesAnImageLargerThanTheLimit)
{
    // 0x00 to 0x10000000 spans 256 MiB plus one byte.
    const std::string text = Data(0, {1}) + LinearBase(0x1000) + Data(0, {2}) + EndOfFile();
    const HexError e = Fault(text);
    EXPECT_EQ(e.line, 0u);
    EXPECT_EQ(e.message, "image larger than 256 MiB: 268435457 bytes from 0x00000000");

    ConvertOptions options;
    options.length = 16;
    EXPECT_EQ(ConvertHex(text, options).image().length, 16u);
    options.length = kMaxImageSize + 1;
    EXPECT_EQ(Fault(EndOfFile(), options).message,
              "image larger than 256 MiB: 268435457 bytes from 0x00000000");
}

TEST(ConvertHex, AcceptsAnImageOfExactlyTheLimit)
{
    const std::string text = Data(0, {1}) + LinearBase(0x0FFF) + Data(0xFFFF, {2}) + EndOfFile();
    const Conversion c = ConvertHex(text);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.image().length, kMaxImageSize);
    ASSERT_EQ(c.image().Runs().size(), 2u);
    EXPECT_EQ(c.image().Runs()[1].address, kMaxImageSize - 1);
}

}  // namespace
}  // namespace hex2bin
