#include "tools/schedule_word.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr ScheduleFlags kAllFlags{true, true, true, true, true, true, true, true};
constexpr ScheduleFlags kNoFlags{};

std::string PickerErrorOf(std::int32_t minutes)
{
    try {
        PickerTimeOf(minutes);
    } catch (const Error &error) {
        return error.what();
    }
    return "no error";
}

TEST(ScheduleFlagBits, OneBitPerBoxInDayOrderThenEnable)
{
    EXPECT_EQ(ScheduleFlagBits(kAllFlags), 255);
    EXPECT_EQ(ScheduleFlagBits(kNoFlags), 0);
    EXPECT_EQ(ScheduleFlagBits({true, false, false, false, false, false, false, false}), 1);
    EXPECT_EQ(ScheduleFlagBits({false, true, false, false, false, false, false, false}), 2);
    EXPECT_EQ(ScheduleFlagBits({false, false, false, false, false, false, true, false}), 64);
    EXPECT_EQ(ScheduleFlagBits({false, false, false, false, false, false, false, true}), 128);
    EXPECT_EQ(ScheduleFlagBits({false, true, false, true, false, true, false, true}), 170);
}

TEST(EncodeScheduleWord, StartUpValues)
{
    // 0x0F0 duration, 0x168 start, 0xFF flags
    EXPECT_EQ(EncodeScheduleWord(240, 360, 255), 0x0F0168FF);
    EXPECT_EQ(EncodeScheduleWord(240, 360, 255), 251750655);
}

TEST(EncodeScheduleWord, LongDurationsGiveNegativeWords)
{
    EXPECT_EQ(EncodeScheduleWord(4095, 0, 0), -1048576);  // -2^20
    EXPECT_EQ(EncodeScheduleWord(2048, 0, 0), kMin);      // -2^31
    EXPECT_EQ(EncodeScheduleWord(2047, 4095, 255), kMax);
}

TEST(EncodeScheduleWord, InputsAreNotMasked)
{
    EXPECT_EQ(EncodeScheduleWord(240, 4096, 255), 252707071);  // 0x0F1000FF: spills into duration
    EXPECT_EQ(EncodeScheduleWord(4096, 0, 0), 0);              // bits above twelve are lost
    EXPECT_EQ(EncodeScheduleWord(0, -1, 0), -256);             // bits 8..31 all set
    EXPECT_EQ(EncodeScheduleWord(-1, 0, 0), -1048576);
    EXPECT_EQ(EncodeScheduleWord(0, 0, -1), -1);
}

TEST(ScheduleFields, DecodeUnsignedTwelveBitFields)
{
    EXPECT_EQ(ScheduleDuration(251750655), 240);
    EXPECT_EQ(ScheduleStart(251750655), 360);
    EXPECT_EQ(ScheduleFlagsOf(251750655), kAllFlags);

    EXPECT_EQ(ScheduleDuration(-1048576), 4095);
    EXPECT_EQ(ScheduleStart(-1048576), 0);
    EXPECT_EQ(ScheduleFlagsOf(-1048576), kNoFlags);

    EXPECT_EQ(ScheduleDuration(kMin), 2048);
    EXPECT_EQ(ScheduleStart(kMin), 0);

    EXPECT_EQ(ScheduleDuration(252707071), 241);
    EXPECT_EQ(ScheduleStart(252707071), 0);

    EXPECT_EQ(ScheduleDuration(-1), 4095);
    EXPECT_EQ(ScheduleStart(-1), 4095);
    EXPECT_EQ(ScheduleFlagsOf(-1), kAllFlags);
    EXPECT_EQ(ScheduleFlagsOf(0x81),
              (ScheduleFlags{true, false, false, false, false, false, false, true}));
}

TEST(ScheduleFields, RoundTripOfFieldsInRange)
{
    for (std::int32_t duration : {0, 1, 59, 1439, 2047, 2048, 4095})
        for (std::int32_t start : {0, 1, 720, 1439, 4095})
            for (std::int32_t flags : {0, 1, 0x55, 0x80, 0xFF}) {
                const std::int32_t word = EncodeScheduleWord(duration, start, flags);
                EXPECT_EQ(ScheduleDuration(word), duration);
                EXPECT_EQ(ScheduleStart(word), start);
                EXPECT_EQ(ScheduleFlagBits(ScheduleFlagsOf(word)), flags);
            }
}

TEST(ScheduleHexText, EightUpperCaseDigitsOfTheBitPattern)
{
    const struct {
        std::int32_t word;
        const char *text;
    } cases[] = {{0, "0x00000000"},
                 {0x0F0168BE, "0x0F0168BE"},
                 {-1, "0xFFFFFFFF"},
                 {std::numeric_limits<std::int32_t>::min(), "0x80000000"}};
    for (const auto &c : cases)
        EXPECT_EQ(ScheduleHexText(c.word), c.text) << c.word;
}

TEST(WrappingSum, WrapsAroundThirtyTwoBits)
{
    EXPECT_EQ(WrappingSum(360, 240), 600);
    EXPECT_EQ(WrappingSum(-1, 0), -1);
    EXPECT_EQ(WrappingSum(kMax, 1), kMin);
    EXPECT_EQ(WrappingSum(kMin, -1), kMax);
}

TEST(PickerTimeOf, ClockTimesOfOneDay)
{
    EXPECT_EQ(PickerTimeOf(0), (PickerTime{0, 0}));
    EXPECT_EQ(PickerTimeOf(360), (PickerTime{6, 0}));
    EXPECT_EQ(PickerTimeOf(240), (PickerTime{4, 0}));
    EXPECT_EQ(PickerTimeOf(600), (PickerTime{10, 0}));
    EXPECT_EQ(PickerTimeOf(1439), (PickerTime{23, 59}));
    EXPECT_EQ(PickerTimeOf(61), (PickerTime{1, 1}));
}

TEST(PickerTimeOf, BeyondTwentyThreeHoursShowsMidnight)
{
    EXPECT_EQ(PickerTimeOf(1440), (PickerTime{0, 0}));
    EXPECT_EQ(PickerTimeOf(1500), (PickerTime{0, 0}));  // not wrapped to 01:00
    EXPECT_EQ(PickerTimeOf(4095), (PickerTime{0, 0}));
    EXPECT_EQ(PickerTimeOf(-60), (PickerTime{0, 0}));
    EXPECT_EQ(PickerTimeOf(-61), (PickerTime{0, 0}));
    EXPECT_EQ(PickerTimeOf(kMin), (PickerTime{0, 0}));
    EXPECT_EQ(PickerTimeOf(kMax), (PickerTime{0, 0}));
}

TEST(PickerTimeOf, SixteenBitCutBringsHugeCountsBack)
{
    EXPECT_EQ(PickerTimeOf(3932225), (PickerTime{1, 5}));   // hour 65537
    EXPECT_EQ(PickerTimeOf(-3932100), (PickerTime{1, 0}));  // hour -65535
}

TEST(PickerTimeOf, MinutesBelowZeroCannotBeShown)
{
    EXPECT_EQ(PickerErrorOf(-1), "Invalid argument to time encode");
    EXPECT_EQ(PickerErrorOf(-30), "Invalid argument to time encode");
    EXPECT_EQ(PickerErrorOf(-59), "Invalid argument to time encode");
    EXPECT_EQ(PickerErrorOf(-3932105),
              "Invalid argument to time encode");  // hour -65535, minute -5
}

}  // namespace
}  // namespace zolvik
