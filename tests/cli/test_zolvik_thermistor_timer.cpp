// `zolvik thermistor fit`, `thermistor lut` and `timer --period`: the program prints what the
// engines compute for the same input. Their refusals are with the others in
// test_zolvik_program.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/zolvik_run.h"
#include "tools/adc_lut.h"
#include "tools/thermistor_fit.h"
#include "tools/thermistor_table.h"
#include "tools/timer_catalog.h"

namespace {

using zolvik::test::Joined;
using zolvik::test::Outcome;
using zolvik::test::RunZolvik;
using zolvik::test::ScratchFolder;

const std::vector<std::string> kPointArgs = {"--point", "0:32650", "--point", "25:10000",
                                             "--point", "50:3603", "--point", "85:1451",
                                             "--point", "100:973"};
const std::vector<zolvik::ThermistorPoint> kPoints = {
    {0, 32650}, {25, 10000}, {50, 3603}, {85, 1451}, {100, 973}};
// Semicolons, decimal commas and a header, as a datasheet export gives them.
const std::string kCsv = "Temperature;Resistance\n-10;55330,1\n0;32650\n10;19900,4\n25;10000\n"
                         "40;5326,7\n60;2488,2\n85;1451,3\n";
const zolvik::BetaModel kBeta{10000, 25, 3950};

// The documented stand-in for a Beta model: its curve every 5 degrees from -40 to 125.
std::vector<zolvik::ThermistorPoint> BetaSamples()
{
    std::vector<zolvik::ThermistorPoint> points;
    for (int celsius = -40; celsius <= 125; celsius += 5)
        points.push_back({double(celsius), zolvik::ModelOhms(kBeta, celsius)});
    return points;
}

// "NAME = VALUE" lines read back into doubles; the names in order.
std::vector<std::pair<std::string, double>> FitLines(const std::string &text)
{
    std::vector<std::pair<std::string, double>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const std::size_t equals = line.find(" = ");
        double value = 0;
        const char *first = line.data() + equals + 3;
        const auto [end, fault] = std::from_chars(first, line.data() + line.size(), value);
        EXPECT_TRUE(fault == std::errc() && end == line.data() + line.size()) << line;
        lines.emplace_back(line.substr(0, equals), value);
    }
    return lines;
}

TEST(ZolvikThermistor, FitPrintsTheEnginesFitToTheLastBit)
{
    ScratchFolder folder;
    folder.Write("ntc.csv", kCsv);
    zolvik::ThermistorFit beta;
    beta.steinhart = zolvik::FitSteinhartHart(BetaSamples());
    beta.steinhartErrors = zolvik::SteinhartErrors(beta.steinhart, BetaSamples());
    beta.beta = kBeta;

    const struct {
        std::vector<std::string> args;
        std::string feed;
        zolvik::ThermistorFit expected;
    } cases[] = {
        {Joined({"thermistor", "fit"}, kPointArgs), "", zolvik::FitThermistor(kPoints)},
        {{"thermistor", "fit", "--table", "ntc.csv"},
         "",
         zolvik::FitThermistor(zolvik::ParseThermistorTable(kCsv))},
        {{"thermistor", "fit", "--table", "-"},
         "cat ntc.csv |",
         zolvik::FitThermistor(zolvik::ParseThermistorTable(kCsv))},
        {{"thermistor", "fit", "--beta", "10000:25:3950"}, "", beta},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.at(2));
        const Outcome outcome = RunZolvik(folder, c.args, c.feed);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        const std::vector<std::pair<std::string, double>> expected = {
            {"A", c.expected.steinhart.a},
            {"B", c.expected.steinhart.b},
            {"C", c.expected.steinhart.c},
            {"beta", c.expected.beta.beta},
            {"max_error_K", c.expected.steinhartErrors.maxAbsolute},
            {"rms_error_K", c.expected.steinhartErrors.rms},
        };
        EXPECT_EQ(FitLines(outcome.out), expected) << outcome.out;
    }
}

TEST(ZolvikThermistor, LutPrintsTheEnginesTable)
{
    ScratchFolder folder;
    // Points hold over their own range, a Beta model over the range its fit is sampled on.
    const zolvik::ThermistorCircuit fitted{zolvik::FitSteinhartHart(kPoints),       0,     100,
                                           zolvik::DividerKind::ThermistorToGround, 10000, 10};
    const zolvik::ThermistorCircuit modelled{
        kBeta, -40, 125, zolvik::DividerKind::ThermistorToReference, 4700, 12};
    const struct {
        std::vector<std::string> args;
        std::string expected;
    } cases[] = {
        {Joined({"thermistor", "lut", "--series", "10000", "--topology", "pullup", "--adc-bits",
                 "10", "--entries", "33", "--name", "ntc_table"},
                kPointArgs),
         zolvik::AdcTableText(fitted, zolvik::MakeAdcTable(fitted, 33), "ntc_table")},
        {{"thermistor", "lut", "--beta", "10000:25:3950", "--series", "4700", "--topology",
          "pulldown", "--adc-bits", "12", "--max-error", "0.25", "--name", "ntc_knots"},
         zolvik::AdcKnotsText(modelled, zolvik::MakeAdcKnots(modelled, 0.25), "ntc_knots")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.at(2));
        const Outcome printed = RunZolvik(folder, c.args);
        ASSERT_EQ(printed.status, 0) << printed.err;
        EXPECT_EQ(printed.out, c.expected);
        const Outcome written = RunZolvik(folder, Joined(c.args, {"-o", "ntc.h"}));
        EXPECT_EQ(written.status, 0) << written.err;
        EXPECT_EQ(written.out, "");
        EXPECT_EQ(ScratchFolder::Read(folder.File("ntc.h")), c.expected);
    }
}

TEST(ZolvikTimer, PeriodPrintsTheEnginesPairsBestFirst)
{
    ScratchFolder folder;
    const struct {
        std::string clock, period, timer;
        bool all;
    } cases[] = {
        {"16000000", "1ms", "avr1", false},    {"8000000", "1ms", "avr0", true},
        {"4294967295", "0.5s", "gp16", false}, {"12000000", "250us", "custom:1,8,64:10", true},
        {"1000000", "1500ns", "avr2", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.timer + " " + c.period);
        std::vector<std::string> args = {"timer",  "--clock", c.clock, "--period",
                                         c.period, "--timer", c.timer};
        if (c.all)
            args.push_back("--all");
        const Outcome outcome = RunZolvik(folder, args);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        const std::vector<zolvik::TimerPair> pairs = zolvik::TimerPairs(
            zolvik::TimerByName(c.timer), std::stoull(c.clock), zolvik::ParsePeriod(c.period));
        std::string expected;
        for (std::size_t i = 0; i < (c.all ? pairs.size() : 1); ++i)
            expected += zolvik::TimerPairLine(pairs[i]) + "\n";
        EXPECT_EQ(outcome.out, expected);
    }
    // The prescaler page's answer is untouched: its 160000 ticks as 4 x 40000, selector 3.
    EXPECT_EQ(RunZolvik(folder, {"timer", "--clock", "16000000", "--ms", "10", "--bits", "16"}).out,
              "prescaler = 4\ncount = 40000\nselect = 3\n");
}

}  // namespace
