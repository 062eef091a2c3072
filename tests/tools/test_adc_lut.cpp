#include "tools/adc_lut.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

const BetaModel kBeta{10000.0, 25.0, 3977.0};

ThermistorCircuit Circuit(DividerKind divider, int bits)
{
    ThermistorCircuit c;
    c.model = kBeta;
    c.minCelsius = -40.0;
    c.maxCelsius = 125.0;
    c.divider = divider;
    c.seriesOhms = 4700.0;
    c.adcBits = bits;
    return c;
}

// The model at a code, worked out here from the divider and the Beta formula.
double ExpectedCelsius(const ThermistorCircuit &c, long double code)
{
    const long double ratio = code / std::ldexp(1.0L, c.adcBits);
    const long double ohms = c.divider == DividerKind::ThermistorToGround
                                 ? c.seriesOhms * ratio / (1.0L - ratio)
                                 : c.seriesOhms * (1.0L - ratio) / ratio;
    if (ohms == 0.0L)
        return 125.0;  // the limit of the model, not its value at ln 0
    const long double kelvin = 1.0L / (1.0L / 298.15L + std::log(ohms / 10000.0L) / 3977.0L);
    return static_cast<double>(std::clamp(kelvin - 273.15L, -40.0L, 125.0L));
}

// The largest error of straight lines between (code, tenths) knots, over every code.
double LargestError(const ThermistorCircuit &c, const std::vector<long double> &codes,
                    const std::vector<int> &tenths)
{
    double largest = 0.0;
    std::size_t k = 0;
    for (long double code = 0; code < std::ldexp(1.0L, c.adcBits); ++code) {
        while (k + 2 < codes.size() && codes[k + 1] <= code)
            ++k;
        const long double f = (code - codes[k]) / (codes[k + 1] - codes[k]);
        const long double line = (tenths[k] + f * (tenths[k + 1] - tenths[k])) / 10.0L;
        largest =
            std::max(largest, static_cast<double>(std::fabs(line - ExpectedCelsius(c, code))));
    }
    return largest;
}

TEST(AdcLut, ThreeEntriesByHand)
{
    // Code 0 is no resistance (the hot end), code 127.5 is 4700 x 127.5 / 128.5 = 4663.4 ohms
    // (43.1 C), code 255 is 1.2 Mohm, beyond -40 C.
    const ThermistorCircuit c = Circuit(DividerKind::ThermistorToGround, 8);
    const AdcTable table = MakeAdcTable(c, 3);
    EXPECT_EQ(table.tenths, (std::vector<std::int16_t>{1250, 431, -400}));
    char error[64];
    std::snprintf(error, sizeof error, "%.4f K (code %u)",
                  LargestError(c, {0, 127.5L, 255}, {1250, 431, -400}), table.worstCode);
    EXPECT_EQ(AdcTableText(c, table, "ntc_table"),
              "/* Temperature in tenths of a degree Celsius at codes i * 255 / 2, i = 0..2, of a "
              "8-bit ADC.\n"
              " * Divider: thermistor to ground, series resistor to the reference, 4700 ohms.\n"
              " * Model: Beta R0 = 10000 ohms at 25 C, B = 3977 K.\n"
              " * Range: -40.0 to 125.0 C; codes beyond it read its ends.\n"
              " * Largest linear interpolation error over every code: " +
                  std::string(error) +
                  ".\n */\n"
                  "static const int16_t ntc_table[3] = {\n"
                  "     1250,   431,  -400\n"
                  "};\n");
}

TEST(AdcLut, StatedErrorIsTheErrorOverEveryCode)
{
    const struct {
        DividerKind divider;
        int bits, entries;
    } cases[] = {
        {DividerKind::ThermistorToGround, 10, 33},
        {DividerKind::ThermistorToReference, 12, 65},
        {DividerKind::ThermistorToGround, 8, 2},
        {DividerKind::ThermistorToReference, 16, 4096},
    };
    for (const auto &tc : cases) {
        const ThermistorCircuit c = Circuit(tc.divider, tc.bits);
        const AdcTable table = MakeAdcTable(c, tc.entries);
        std::vector<long double> codes;
        std::vector<int> tenths(table.tenths.begin(), table.tenths.end());
        for (int i = 0; i < tc.entries; ++i) {
            codes.push_back(i * (std::ldexp(1.0L, tc.bits) - 1) / (tc.entries - 1));
            EXPECT_NEAR(tenths[i] / 10.0, ExpectedCelsius(c, codes.back()), 0.05 + 1e-9);
        }
        EXPECT_NEAR(table.maxErrorK, LargestError(c, codes, tenths), 1e-9) << tc.bits;
    }
}

TEST(AdcLut, KnotsStayUnderTheBound)
{
    const ThermistorCircuit c = Circuit(DividerKind::ThermistorToReference, 12);
    std::size_t previous = 0;
    for (double bound : {1.0, 0.5, 0.1}) {
        const AdcKnots knots = MakeAdcKnots(c, bound);
        std::vector<long double> codes;
        std::vector<int> tenths;
        for (const AdcKnot &k : knots.knots) {
            codes.push_back(k.code);
            tenths.push_back(k.tenths);
        }
        EXPECT_EQ(codes.front(), 0);
        EXPECT_EQ(codes.back(), 4095);
        EXPECT_LE(knots.maxErrorK, bound);
        EXPECT_NEAR(knots.maxErrorK, LargestError(c, codes, tenths), 1e-9);
        EXPECT_GT(knots.knots.size(), previous);  // a tighter bound needs more knots
        previous = knots.knots.size();
    }
    EXPECT_THROW(MakeAdcKnots(c, 0.05), Error);
}

TEST(AdcLut, BadCircuitsAreRefused)
{
    ThermistorCircuit c = Circuit(DividerKind::ThermistorToGround, 7);
    EXPECT_THROW(MakeAdcTable(c, 33), Error);
    c.adcBits = 17;
    EXPECT_THROW(MakeAdcTable(c, 33), Error);
    c.adcBits = 10;
    EXPECT_THROW(MakeAdcTable(c, 1), Error);
    EXPECT_THROW(MakeAdcTable(c, 4097), Error);
    EXPECT_THROW(AdcTableText(c, MakeAdcTable(c, 2), "2table"), Error);
    c.seriesOhms = 0.0;
    EXPECT_THROW(MakeAdcTable(c, 33), Error);
    c.seriesOhms = 4700.0;
    c.maxCelsius = 3300.0;
    EXPECT_THROW(MakeAdcTable(c, 33), Error);
}

}  // namespace
}  // namespace zolvik

namespace zolvik {
namespace {

// The tables are C source: a C compiler takes them as they are, and the program reads back
// every entry and knot.
TEST(AdcLut, TablesCompileAsC)
{
    const ThermistorCircuit c = Circuit(DividerKind::ThermistorToReference, 10);
    const AdcTable table = MakeAdcTable(c, 33);
    const AdcKnots knots = MakeAdcKnots(c, 0.5);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "zolvik_adc_lut_test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "tables.c")
        << "#include <stdint.h>\n#include <stdio.h>\n"
        << AdcTableText(c, table, "ntc") << AdcKnotsText(c, knots, "ntc_knots")
        << "int main(void) {\n"
           "    for (unsigned i = 0; i < sizeof ntc / sizeof ntc[0]; ++i) printf(\"%d \", "
           "ntc[i]);\n"
           "    for (unsigned i = 0; i < sizeof ntc_knots / sizeof ntc_knots[0]; ++i)\n"
           "        printf(\"%u:%d \", ntc_knots[i].code, ntc_knots[i].tenths);\n"
           "    return 0;\n}\n";
    const std::string command =
        "cc -std=c99 -Wall -Wextra -Werror -o " + (folder / "tables").string() + " " +
        (folder / "tables.c").string() + " && " + (folder / "tables").string() + " > " +
        (folder / "out.txt").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string expected;
    for (std::int16_t t : table.tenths)
        expected += std::to_string(t) + " ";
    for (const AdcKnot &k : knots.knots)
        expected += std::to_string(k.code) + ":" + std::to_string(k.tenths) + " ";
    std::ifstream out(folder / "out.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(out), {}), expected);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zolvik
