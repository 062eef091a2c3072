// Intel HEX and Motorola S-record texts through the converter: images by hand, each fault by its
// line and message.
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

// `size` bytes of 0xFF but for the ones `set` gives by index.
Bytes Filled(std::size_t size, std::initializer_list<std::pair<std::size_t, std::uint8_t>> set)
{
    Bytes bytes(size, 0xFF);
    for (const auto &[at, value] : set)
        bytes[at] = value;
    return bytes;
}

ConvertOptions Options(std::uint8_t fill, std::optional<std::uint64_t> start = {},
                       std::optional<std::uint64_t> length = {})
{
    ConvertOptions options;
    options.fill = fill;
    options.start = start;
    options.length = length;
    return options;
}

Bytes FromHex(std::string_view digits)
{
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(digits.substr(i, 2)), nullptr, 16)));
    return bytes;
}

// A text that converts: the image's first address (where the row names one), its bytes and the
// start address the text gives.
struct Good {
    const char *name;
    std::string text;
    ConvertOptions options;
    std::optional<std::uint64_t> start;
    Bytes bytes;
    std::optional<std::uint32_t> startAddress = std::nullopt;
};

// The example of the S-record format's common description: header, three S1 records, count and
// S9.
const std::string kHello = "S00F000068656C6C6F202020202000003C\n"
                           "S11F00007C0802A6900100049421FFF07C6C1B787C8C23783C6000003863000026\n"
                           "S11F001C4BFFFFE5398000007D83637880010014382100107C0803A64E800020E9\n"
                           "S111003848656C6C6F20776F726C642E0A0042\n"
                           "S5030003F9\n"
                           "S9030000FC\n";
const std::string kS1 = "S1130000285F245F2212226A000424290008237C2A\n";

const std::string kClipped = Data(0x10, {1, 2, 3, 4}) + Data(0x20, {5}) + EndOfFile();
// 0x00 to 0x10000000 spans 256 MiB plus one byte.
const std::string kTooLarge = Data(0, {1}) + LinearBase(0x1000) + Data(0, {2}) + EndOfFile();

// clang-format off
const std::vector<Good> kGoodTexts = {
    {"GapsFilledFromLowestToHighest",
     Data(0x0102, {0x11, 0x22}) + Data(0x0100, {0xAA}) + Data(0x0106, {0x33}) + EndOfFile(),
     {}, 0x0100, {0xAA, 0xFF, 0x11, 0x22, 0xFF, 0xFF, 0x33}},
    {"FillByte", Data(0, {1}) + Data(3, {4}) + EndOfFile(), Options(0x00), {}, {1, 0, 0, 4}},
    {"CrLfLowerCaseBlankLinesAndSurroundingBlanks",
     "\r\n:0300300002337a1e\r\n   \n\t:010033004488  \r\n\n:00000001ff\r\n\r\n",
     {}, {}, {0x02, 0x33, 0x7A, 0x44}},
    {"LastLineWithoutLineEnd", Data(0, {7}) + ":00000001FF", {}, {}, {7}},
    {"ExtendedLinearAddress", LinearBase(0x0800) + Data(0xFFFE, {1, 2}) + LinearBase(0x0801) +
     Data(0x0000, {3}) + EndOfFile(), {}, 0x0800FFFE, {1, 2, 3}},
    {"LinearRecordAcrossA64KiBBoundary", LinearBase(1) + Data(0xFFFF, {1, 2}) + EndOfFile(),
     {}, 0x1FFFF, {1, 2}},
    // Segment 0x1200 starts at 0x12000.
    {"ExtendedSegmentAddress", SegmentBase(0x1200) + Data(0x0010, {5, 6}) + EndOfFile(),
     {}, 0x12010, {5, 6}},
    // Under segment 0x1000 (base 0x10000) the bytes past offset 0xFFFF land at offset 0.
    {"SegmentRecordWrapsWithinItsSegment", SegmentBase(0x1000) + Data(0xFFFE, {1, 2, 3, 4}) +
     EndOfFile(), {}, 0x10000, Filled(0x10000, {{0, 3}, {1, 4}, {0xFFFE, 1}, {0xFFFF, 2}})},
    // 3 at 0x10, 2 at 0x20, 1 at 0x10000.
    {"EachBaseRecordReplacesTheOther", LinearBase(0x0001) + Data(0, {1}) + SegmentBase(0x0002) +
     Data(0, {2}) + LinearBase(0) + Data(0x0010, {3}) + EndOfFile(),
     {}, {}, Filled(0x10000 - 0x10 + 1, {{0, 3}, {0x10, 2}, {0x10000 - 0x10, 1}})},
    {"StartAddressRecordsIgnored", Record(0x03, 0, {0x00, 0x00, 0x38, 0x00}) + Data(0, {9}) +
     Record(0x05, 0, {0x08, 0x00, 0x01, 0x01}) + EndOfFile(), {}, {}, {9}, 0x08000101},
    {"DuplicatesThatAgree", Data(0, {1, 2, 3}) + Data(1, {2, 3, 4}) + Data(0, {1}) + EndOfFile(),
     {}, {}, {1, 2, 3, 4}},
    {"LastByteOfTheAddressSpace", LinearBase(0xFFFF) + Data(0xFFFF, {1}) + EndOfFile(),
     {}, {}, {1}},
    {"EmptyWithoutData", Data(0x10, {}) + EndOfFile(), {}, {}, {}},
    {"ClippedToStartAndLength", kClipped, Options(0xFF, 0x12, 4), {}, {3, 4, 0xFF, 0xFF}},
    {"StartBelowTheData", kClipped, Options(0xFF, 0x0E), {},
     Filled(0x21 - 0x0E, {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {0x20 - 0x0E, 5}})},
    {"LengthOnly", kClipped, Options(0xFF, {}, 2), {}, {1, 2}},
    {"StartAboveTheDataWithLength", kClipped, Options(0xFF, 0x30, 2), {}, {0xFF, 0xFF}},
    {"StartAboveTheData", kClipped, Options(0xFF, 0x30), {}, {}},
    {"LengthWithoutDataGivesFillBytes", EndOfFile(), Options(0x5A, {}, 3), {}, {0x5A, 0x5A, 0x5A}},
    {"LengthKeepsALargeImageInTheLimit", kTooLarge, Options(0xFF, {}, 16), {},
     Filled(16, {{0, 1}})},
    {"SrecHeaderS1CountS9", kHello, Options(0x00), 0,
     FromHex("7C0802A6900100049421FFF07C6C1B787C8C23783C600000386300004BFFFFE5398000007D836378"
             "80010014382100107C0803A64E80002048656C6C6F20776F726C642E0A00"), 0},
    {"SrecS2WithS8", "S206010000AABB93\nS8041234565F\n", Options(0x00), 0x10000, {0xAA, 0xBB},
     0x123456},
    {"SrecS3WithS7", "S30808000000010203E9\nS70508000101F0\n", Options(0x00), 0x08000000,
     {1, 2, 3}, 0x08000101},
    {"SrecNoEndRecordS6CountLowerCaseCrLf",
     "\xEF\xBB\xBFS1130000285f245f2212226a000424290008237c2a\r\nS604000001FA\r\n"
     "S1130000285f245f2212226a000424290008237c2a\n", Options(0x00), 0,
     FromHex("285F245F2212226A000424290008237C")},
};
// clang-format on

TEST(ConvertHex, GivesTheImageOfEachGoodText)
{
    for (const Good &c : kGoodTexts) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = ConvertHex(c.text, c.options);
        if (!conversion.ok()) {
            ADD_FAILURE() << conversion.error()->line << ": " << conversion.error()->message;
            continue;
        }
        if (c.start) {
            EXPECT_EQ(conversion.image().start, *c.start);
        }
        EXPECT_EQ(conversion.image().length, c.bytes.size());
        EXPECT_EQ(conversion.Bytes(), c.bytes);
        EXPECT_EQ(conversion.startAddress(), c.startAddress);
    }
}

// A text that does not convert: the line of the fault (0 for none) and its message.
struct Bad {
    const char *name;
    std::string text;
    std::size_t line;
    std::string message;
    ConvertOptions options = {};
};

const std::string kOne = Data(0, {1, 2});
const std::string kFour = Data(0, {1, 2, 3, 4});

const std::string kAfterEnd = "data after the end-of-file record";
const std::string kNoColon = "malformed record: it does not start with ':'";
const std::string kLengthMismatch =
    "record length 0x04 does not match the line, which holds 3 data bytes";
const std::string kLarger = "image larger than 256 MiB: 268435457 bytes from 0x00000000";

// clang-format off
const std::vector<Bad> kBadTexts = {
    {"BadChecksumAfterABlankLine", kOne + "\n:0300300002337A1F\n" + EndOfFile(), 3,
     "bad checksum 0x1F, the record's bytes need 0x1E"},
    {"NotARecord", kOne + "hello\n" + EndOfFile(), 2, kNoColon},
    {"NoColonAfterTwoRecords", kFour + kFour + "0300300002337A1E\n" + EndOfFile(), 3, kNoColon},
    {"NotHexDigit", ":03003000023Z7A1E\n" + EndOfFile(), 1,
     "malformed record: 'Z' is not a hexadecimal digit"},
    {"BlankInside", kFour + ":0300300002 337A1E\n" + EndOfFile(), 2,
     "malformed record: a blank inside the record"},
    {"NulInside", kFour + ":03003000" + std::string(1, '\0') + "2337A1E\n" + EndOfFile(), 2,
     "malformed record: a NUL byte inside the record"},
    {"LineLongerThanAnyRecord", kFour + ":" + std::string(100000, '0'), 2,
     "malformed record: longer than 521 characters"},
    {"LengthMismatch", kOne + ":0400300002337A1D\n" + EndOfFile(), 2, kLengthMismatch},
    {"LengthMismatchCrLf", kFour + ":0400300002337A1D\r\n" + EndOfFile(), 2, kLengthMismatch},
    {"UnknownType", kOne + ":00000006FA\n" + EndOfFile(), 2, "unknown record type 0x06"},
    {"DataAfterEnd", kFour + EndOfFile() + kFour, 3, kAfterEnd},
    {"DataAfterEndAndABlankLine", Data(0, {1}) + EndOfFile() + "\n" + Data(1, {2}), 4, kAfterEnd},
    {"SecondEnd", EndOfFile() + EndOfFile(), 2, kAfterEnd},
    {"TextAfterEnd", EndOfFile() + "x", 2, kAfterEnd},
    {"MissingEnd", Data(0, {1}) + Data(1, {2}), 2, "missing end-of-file record"},
    {"EmptyText", "", 1, "missing end-of-file record"},
    {"PastTheAddressSpace", LinearBase(0xFFFF) + Data(0xFFFF, {1, 2}) + EndOfFile(), 2,
     "data runs past the end of the 4 GiB address space"},
    {"AddressWrittenTwice", Data(0x10, {1, 2, 3}) + Data(0x20, {9}) + Data(0x11, {2, 7}) +
     EndOfFile(), 3,
     "address 0x00000012 written twice with different data: 0x03 before, 0x07 here"},
    // Conflicts at 0x05 (lines 1 and 4) and at 0x02 (lines 1, 2 agreeing, then 3): the lowest
    // address, and the first record that disagrees there.
    {"LowestConflictFirstDisagreeingRecord", Data(0x00, {0, 1, 2, 3, 4, 5}) + Data(0x02, {2}) +
     Data(0x02, {8}) + Data(0x05, {9}) + EndOfFile(), 3,
     "address 0x00000002 written twice with different data: 0x02 before, 0x08 here"},
    {"ConflictInsideALongRunOfMergedRecords", [] {
         std::string text;
         for (unsigned i = 0; i < 64; ++i)
             text += Data(i * 4, {1, 2, 3, 4});
         return text + Data(0x83, {4, 5}) + EndOfFile();
     }(), 65, "address 0x00000084 written twice with different data: 0x01 before, 0x05 here"},
    {"ImageLargerThanTheLimit", kTooLarge, 0, kLarger},
    {"LengthLargerThanTheLimit", EndOfFile(), 0, kLarger, Options(0xFF, {}, kMaxImageSize + 1)},
    {"SrecBadChecksum", kS1 + "S111003848656C6C6F20776F726C642E0A0043\n", 2,
     "bad checksum 0x43, the record's bytes need 0x42"},
    {"SrecLengthMismatch", "S112003848656C6C6F20776F726C642E0A0042\n", 1,
     "record length 0x12 does not match the line, which holds 17 bytes after it"},
    {"SrecUnknownType", kS1 + "S4030000FC\n", 2, "unknown record type S4"},
    {"SrecEndWithData", "S90500000102F7\n", 1,
     "malformed record: S9 record with 2 data bytes instead of 0"},
    {"SrecAddressCutShort", "S2030000FC\n", 1,
     "malformed record: S2 record too short for its 3-byte address"},
    {"SrecWrongCount", kS1 + "S5030002FA\n", 2,
     "record count 2 does not match the 1 data records before it"},
    {"SrecDataAfterEnd", "S9030000FC\n\n" + kS1, 3, "data after the end record"},
    {"SrecPastTheAddressSpace", "S307FFFFFFFF0102F9\n", 1,
     "data runs past the end of the 4 GiB address space"},
    {"SrecNotARecord", kS1 + ":00000001FF\n", 2, "malformed record: it does not start with 'S'"},
    {"SrecBlankInside", "S113000028 5F245F2212226A000424290008237C2A\n", 1,
     "malformed record: a blank inside the record"},
    {"SrecOddDigits", "S113000028F245F2212226A000424290008237C2A\n", 1,
     "malformed record: odd number of hexadecimal digits"},
    {"SrecTooShort", "S1020000\n", 1,
     "malformed record: too short (3 bytes, a record has at least 4)"},
    {"SrecLongerThanAnyRecord", kS1 + "S1" + std::string(5000, '0'), 2,
     "malformed record: longer than 514 characters"},
    {"SrecConflict", kS1 + "S1050002FF00F9\n", 2,
     "address 0x00000002 written twice with different data: 0x24 before, 0xFF here"},
};
// clang-format on

TEST(ConvertHex, NamesTheLineAndTheFaultOfEachBadText)
{
    for (const Bad &c : kBadTexts) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = ConvertHex(c.text, c.options);
        ASSERT_FALSE(conversion.ok());
        EXPECT_EQ(conversion.error()->line, c.line);
        EXPECT_EQ(conversion.error()->message, c.message);
    }
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
