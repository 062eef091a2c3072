#include "tools/thermistor_table.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

TEST(ThermistorTable, SeparatorsAndDecimalCommas)
{
    const struct {
        const char *text;
        std::vector<ThermistorPoint> points;
    } cases[] = {
        {"-40\t336100\n25\t10000", {{-40, 336100}, {25, 10000}}},
        {"Temp;R\r\n-40;336100\r\n25,5;9782,5\r\n", {{-40, 336100}, {25.5, 9782.5}}},
        {"T,R\n-40,336100\n\n  25.5 , 9782.5  \n", {{-40, 336100}, {25.5, 9782.5}}},
        {"-40   336,1E3\n25.5 9782.5\n", {{-40, 336100}, {25.5, 9782.5}}},
        {"25, 10000\n", {{25, 10000}}},
        {"\xEF\xBB\xBF"
         "Temperature (C)  Resistance (ohm)\n0 32650\n",
         {{0, 32650}}},
        {"", {}},
    };
    for (const auto &c : cases) {
        const std::vector<ThermistorPoint> points = ParseThermistorTable(c.text);
        ASSERT_EQ(points.size(), c.points.size()) << c.text;
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].celsius, c.points[i].celsius) << c.text;
            EXPECT_EQ(points[i].ohms, c.points[i].ohms) << c.text;
        }
    }
}

TEST(ThermistorTable, OnlyTheFirstLineMayBeAHeader)
{
    const struct {
        const char *text;
        const char *message;
    } cases[] = {
        {"T R\nT R\n", "Line 2: 'T' is not a number."},
        {"\n\n0 32650\n5 25390 25000\n", "Line 4: expected 2 columns, found 3."},
        {"0 32650\n5\n", "Line 2: expected 2 columns, found 1."},
        {"0 32650\n5 2k\n", "Line 2: '2k' is not a number."},
    };
    for (const auto &c : cases) {
        try {
            ParseThermistorTable(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const Error &error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace zolvik
