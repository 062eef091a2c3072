#include "tools/prescaler.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace zolvik {
namespace {

struct PrescalerCase {
    std::int32_t clockHz;
    std::int32_t periodMs;
    int counterBits;
    std::int64_t prescaler;
    std::int64_t count;
    int setting;
};

void ExpectPrescaler(const PrescalerCase &c)
{
    const PrescalerResult result =
        CalculatePrescaler(c.clockHz, c.periodMs, CounterLimit(c.counterBits));
    SCOPED_TRACE(testing::Message()
                 << c.clockHz << " Hz, " << c.periodMs << " ms, " << c.counterBits << " bits");
    EXPECT_EQ(result.prescaler, c.prescaler);
    EXPECT_EQ(result.count, c.count);
    EXPECT_EQ(result.setting, c.setting);
}

TEST(Prescaler, CounterLimits)
{
    EXPECT_EQ(CounterLimit(8), 256);
    EXPECT_EQ(CounterLimit(16), 65536);
}

TEST(Prescaler, CommonClocksAtOneMillisecond)
{
    ExpectPrescaler({8000000, 1, 8, 32, 250, 6});
    ExpectPrescaler({8000000, 1, 16, 1, 8000, 1});
    ExpectPrescaler({16000000, 1, 8, 64, 250, 7});
    ExpectPrescaler({16000000, 1, 16, 1, 16000, 1});
}

TEST(Prescaler, HalfCountsFallJustBelowTheHalf)
{
    // 12000 / 64 and 6000 / 32 are 187.5 exactly, but 0.001 at 64 bits is a little less.
    EXPECT_LT(PrescalerBase(12000000, 1) / 64.0L, 187.5L);
    EXPECT_LT(PrescalerBase(6000000, 1) / 32.0L, 187.5L);
    ExpectPrescaler({12000000, 1, 8, 64, 187, 7});
    ExpectPrescaler({6000000, 1, 8, 32, 187, 6});
}

TEST(Prescaler, CountEqualToTheLimitIsAccepted)
{
    ExpectPrescaler({256000, 1, 8, 1, 256, 1});
    ExpectPrescaler({256001, 1, 8, 1, 256, 1});
    ExpectPrescaler({257000, 1, 8, 2, 128, 2});
    ExpectPrescaler({65536000, 1, 16, 1, 65536, 1});
}

TEST(Prescaler, LongPeriodOnSixteenBits)
{
    ExpectPrescaler({8000000, 100, 16, 16, 50000, 5});
}

TEST(Prescaler, ZeroAndNegativeInputs)
{
    ExpectPrescaler({0, 1, 8, 1, 0, 1});
    ExpectPrescaler({8000000, 0, 8, 1, 0, 1});
    ExpectPrescaler({-8000000, 1, 8, 1, -8000, 1});
    ExpectPrescaler({8000000, -100, 16, 1, -800000, 1});
}

TEST(Prescaler, CountsOfTwoToTheThirtyOneAndMore)
{
    // 2^31 - 1 counts: halved 23 times, 255.99... rounds to the limit itself.
    ExpectPrescaler({2147483647, 1000, 8, 8388608, 256, 24});
    // Just over 2^31 counts (2149631130.647): a 32-bit count would have wrapped.
    ExpectPrescaler({2147483647, 1001, 16, 65536, 32801, 17});
    // The largest inputs: about 4.6E15 counts.
    ExpectPrescaler({2147483647, 2147483647, 8, std::int64_t{1} << 45, 131, 46});
    ExpectPrescaler({2147483647, 2147483647, 16, std::int64_t{1} << 37, 33554, 38});
    ExpectPrescaler({-2147483647 - 1, -2147483647 - 1, 8, std::int64_t{1} << 45, 131, 46});
    ExpectPrescaler({-2147483647 - 1, 2147483647, 8, 1, -4611686016279904, 1});
}

TEST(Prescaler, RoundingTiesGoToEven)
{
    EXPECT_EQ(RoundCount(2.5L), 2);
    EXPECT_EQ(RoundCount(3.5L), 4);
    EXPECT_EQ(RoundCount(-2.5L), -2);
    EXPECT_EQ(RoundCount(187.49999L), 187);
    EXPECT_EQ(RoundCount(187.5L), 188);
}

TEST(PrescalerSetting, PowersOfTwo)
{
    EXPECT_EQ(PrescalerSetting(1), 1);
    EXPECT_EQ(PrescalerSetting(2), 2);
    EXPECT_EQ(PrescalerSetting(8), 4);
    EXPECT_EQ(PrescalerSetting(64), 7);
    EXPECT_EQ(PrescalerSetting(1024), 11);
    for (int bit = 0; bit < 63; ++bit)
        EXPECT_EQ(PrescalerSetting(std::int64_t{1} << bit), bit + 1) << bit;
}

TEST(PrescalerSetting, OtherValues)
{
    EXPECT_EQ(PrescalerSetting(3), 3);
    EXPECT_EQ(PrescalerSetting(5), 4);
    EXPECT_EQ(PrescalerSetting(1025), 12);
    EXPECT_EQ(PrescalerSetting(0), 1);
    EXPECT_EQ(PrescalerSetting(-64), 1);
    EXPECT_EQ(PrescalerSetting(std::numeric_limits<std::int64_t>::max()), 64);
}

}  // namespace
}  // namespace zolvik
