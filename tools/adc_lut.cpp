#include "tools/adc_lut.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/errors.h"

namespace zolvik {

namespace {

constexpr int kMinAdcBits = 8, kMaxAdcBits = 16;
constexpr int kMinEntries = 2, kMaxEntries = 4096;
constexpr double kRoundingK = 0.05;  // half a tenth of a degree

std::uint32_t FullScale(int adcBits)
{
    return (std::uint32_t{1} << adcBits) - 1;
}

void CheckCircuit(const ThermistorCircuit &c)
{
    if (c.adcBits < kMinAdcBits || c.adcBits > kMaxAdcBits)
        throw Error("The ADC resolution must be 8 to 16 bits.");
    if (!(c.seriesOhms > 0.0) || !std::isfinite(c.seriesOhms))
        throw Error("The series resistance must be above 0 ohms.");
    if (!(c.minCelsius < c.maxCelsius) || c.minCelsius <= -273.15)
        throw Error("The temperature range must run upwards from above absolute zero.");
    if (c.minCelsius * 10.0 < std::numeric_limits<std::int16_t>::min() ||
        c.maxCelsius * 10.0 > std::numeric_limits<std::int16_t>::max())
        throw Error("The temperature range does not fit tenths of a degree in 16 bits.");
}

void CheckName(const std::string &name)
{
    const auto isWordChar = [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
               ch == '_';
    };
    if (name.empty() || (name[0] >= '0' && name[0] <= '9') ||
        !std::all_of(name.begin(), name.end(), isWordChar))
        throw Error("'" + name + "' is not a C name.");
}

std::int16_t Tenths(double celsius)
{
    return static_cast<std::int16_t>(std::lround(celsius * 10.0));
}

// Every code's model temperature, the reference all errors are measured against.
std::vector<double> ModelAtEveryCode(const ThermistorCircuit &circuit)
{
    std::vector<double> celsius(FullScale(circuit.adcBits) + std::size_t{1});
    for (std::size_t code = 0; code < celsius.size(); ++code)
        celsius[code] = CircuitCelsius(circuit, static_cast<double>(code));
    return celsius;
}

std::string Shortest(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string Fixed(double value, int decimals)
{
    char text[64];
    return std::string(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
}

std::string ModelText(const ThermistorModel &model)
{
    if (const auto *beta = std::get_if<BetaModel>(&model))
        return "Beta R0 = " + Shortest(beta->r0) + " ohms at " + Shortest(beta->t0Celsius) +
               " C, B = " + Shortest(beta->beta) + " K";
    const auto &k = std::get<SteinhartCoefficients>(model);
    return "Steinhart-Hart A = " + Shortest(k.a) + ", B = " + Shortest(k.b) +
           ", C = " + Shortest(k.c);
}

std::string CircuitComment(const ThermistorCircuit &c, const std::string &codes, double maxErrorK,
                           std::uint32_t worstCode)
{
    const char *divider = c.divider == DividerKind::ThermistorToGround
                              ? "thermistor to ground, series resistor to the reference"
                              : "thermistor to the reference, series resistor to ground";
    return "/* Temperature in tenths of a degree Celsius " + codes + " of a " +
           std::to_string(c.adcBits) + "-bit ADC.\n" + " * Divider: " + divider + ", " +
           Shortest(c.seriesOhms) + " ohms.\n" + " * Model: " + ModelText(c.model) + ".\n" +
           " * Range: " + Fixed(c.minCelsius, 1) + " to " + Fixed(c.maxCelsius, 1) +
           " C; codes beyond it read its ends.\n" +
           " * Largest linear interpolation error over every code: " + Fixed(maxErrorK, 4) +
           " K (code " + std::to_string(worstCode) + ").\n */\n";
}

// The values in rows of ten, each right-aligned to six characters.
std::string Rows(const std::vector<std::string> &values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += i % 10 == 0 ? "   " : "";
        text += std::string(values[i].size() < 6 ? 6 - values[i].size() : 0, ' ') + values[i];
        text += i + 1 < values.size() ? "," : "";
        text += (i % 10 == 9 || i + 1 == values.size()) ? "\n" : "";
    }
    return text;
}

struct Worst {
    double error = -1.0;
    std::uint32_t code = 0;
};

void Consider(Worst &worst, double error, std::uint32_t code)
{
    if (error > worst.error)
        worst = {error, code};
}

// The worst code between two knots, both included.
Worst SegmentWorst(const std::vector<double> &model, const AdcKnot &from, const AdcKnot &to)
{
    const std::vector<AdcKnot> pair = {from, to};
    Worst worst;
    for (std::uint32_t code = from.code; code <= to.code; ++code)
        Consider(worst, std::fabs(InterpolateKnots(pair, code) - model[code]), code);
    return worst;
}

}  // namespace

ThermistorCircuit CircuitOverPoints(const std::vector<ThermistorPoint> &points)
{
    ThermistorCircuit circuit;
    circuit.model = FitSteinhartHart(points);
    const auto [coldest, hottest] = std::minmax_element(
        points.begin(), points.end(),
        [](const ThermistorPoint &a, const ThermistorPoint &b) { return a.celsius < b.celsius; });
    circuit.minCelsius = coldest->celsius;
    circuit.maxCelsius = hottest->celsius;
    return circuit;
}

double DividerOhms(DividerKind divider, double seriesOhms, double code, int adcBits)
{
    const double ratio = code / std::ldexp(1.0, adcBits);
    const double infinity = std::numeric_limits<double>::infinity();
    if (divider == DividerKind::ThermistorToGround)
        return ratio >= 1.0 ? infinity : seriesOhms * ratio / (1.0 - ratio);
    return ratio <= 0.0 ? infinity : seriesOhms * (1.0 - ratio) / ratio;
}

double CircuitCelsius(const ThermistorCircuit &c, double code)
{
    const double atMin = ModelOhms(c.model, c.minCelsius);
    const double atMax = ModelOhms(c.model, c.maxCelsius);
    const double ohms = std::clamp(DividerOhms(c.divider, c.seriesOhms, code, c.adcBits),
                                   std::fmin(atMin, atMax), std::fmax(atMin, atMax));
    // The clamp on the temperature only absorbs the inverse's last-place differences.
    return std::clamp(ModelCelsius(c.model, ohms), c.minCelsius, c.maxCelsius);
}

double InterpolateTable(const std::vector<std::int16_t> &tenths, int adcBits, std::uint32_t code)
{
    const std::uint64_t fullScale = FullScale(adcBits);
    const std::uint64_t scaled = std::uint64_t{code} * (tenths.size() - 1);
    const std::size_t i = static_cast<std::size_t>(scaled / fullScale);
    const std::uint64_t remainder = scaled % fullScale;
    if (remainder == 0)
        return tenths[i] / 10.0;
    const double between =
        (static_cast<double>(tenths[i]) * static_cast<double>(fullScale - remainder) +
         static_cast<double>(tenths[i + 1]) * static_cast<double>(remainder)) /
        static_cast<double>(fullScale);
    return between / 10.0;
}

AdcTable MakeAdcTable(const ThermistorCircuit &circuit, int entries)
{
    CheckCircuit(circuit);
    if (entries < kMinEntries || entries > kMaxEntries)
        throw Error("The table must have 2 to 4096 entries.");
    const double fullScale = FullScale(circuit.adcBits);
    AdcTable table;
    for (int i = 0; i < entries; ++i)
        table.tenths.push_back(Tenths(CircuitCelsius(circuit, i * fullScale / (entries - 1))));
    const std::vector<double> model = ModelAtEveryCode(circuit);
    Worst worst;
    for (std::uint32_t code = 0; code < model.size(); ++code)
        Consider(worst,
                 std::fabs(InterpolateTable(table.tenths, circuit.adcBits, code) - model[code]),
                 code);
    table.maxErrorK = worst.error;
    table.worstCode = worst.code;
    return table;
}

std::string AdcTableText(const ThermistorCircuit &circuit, const AdcTable &table,
                         const std::string &name)
{
    CheckName(name);
    const std::size_t entries = table.tenths.size();
    std::vector<std::string> values;
    for (std::int16_t t : table.tenths)
        values.push_back(std::to_string(t));
    return CircuitComment(circuit,
                          "at codes i * " + std::to_string(FullScale(circuit.adcBits)) + " / " +
                              std::to_string(entries - 1) + ", i = 0.." +
                              std::to_string(entries - 1) + ",",
                          table.maxErrorK, table.worstCode) +
           "static const int16_t " + name + "[" + std::to_string(entries) + "] = {\n" +
           Rows(values) + "};\n";
}

double InterpolateKnots(const std::vector<AdcKnot> &knots, std::uint32_t code)
{
    const auto after =
        std::upper_bound(knots.begin(), knots.end(), code,
                         [](std::uint32_t c, const AdcKnot &k) { return c < k.code; });
    if (after == knots.begin())
        return knots.front().tenths / 10.0;
    const AdcKnot &from = *(after - 1);
    if (after == knots.end() || from.code == code)
        return from.tenths / 10.0;
    const double span = after->code - from.code;
    return (from.tenths * ((after->code - code) / span) +
            after->tenths * ((code - from.code) / span)) /
           10.0;
}

AdcKnots MakeAdcKnots(const ThermistorCircuit &circuit, double boundK)
{
    CheckCircuit(circuit);
    if (!(boundK > kRoundingK))
        throw Error("The error bound must be above 0.05 K.");
    const std::vector<double> model = ModelAtEveryCode(circuit);
    const auto knotAt = [&](std::uint32_t code) { return AdcKnot{code, Tenths(model[code])}; };
    AdcKnots result;
    result.knots = {knotAt(0), knotAt(FullScale(circuit.adcBits))};
    std::vector<Worst> segments = {SegmentWorst(model, result.knots[0], result.knots[1])};
    for (;;) {
        const auto worst =
            std::max_element(segments.begin(), segments.end(),
                             [](const Worst &a, const Worst &b) { return a.error < b.error; });
        result.maxErrorK = worst->error;
        result.worstCode = worst->code;
        if (worst->error <= boundK)
            return result;
        // A knot's own error is only its rounding, under the bound, so the worst code is new.
        const std::size_t at = static_cast<std::size_t>(worst - segments.begin());
        const AdcKnot knot = knotAt(worst->code);
        result.knots.insert(result.knots.begin() + static_cast<std::ptrdiff_t>(at + 1), knot);
        segments[at] = SegmentWorst(model, result.knots[at], knot);
        segments.insert(segments.begin() + static_cast<std::ptrdiff_t>(at + 1),
                        SegmentWorst(model, knot, result.knots[at + 2]));
    }
}

std::string AdcKnotsText(const ThermistorCircuit &circuit, const AdcKnots &knots,
                         const std::string &name)
{
    CheckName(name);
    std::vector<std::string> values;
    for (const AdcKnot &k : knots.knots)
        values.push_back("{" + std::to_string(k.code) + ", " + std::to_string(k.tenths) + "}");
    std::string rows;
    for (std::size_t i = 0; i < values.size(); ++i)
        rows += "    " + values[i] + (i + 1 < values.size() ? ",\n" : "\n");
    return CircuitComment(circuit, "at the codes listed, straight lines between them,",
                          knots.maxErrorK, knots.worstCode) +
           "static const struct { uint16_t code; int16_t tenths; } " + name + "[" +
           std::to_string(values.size()) + "] = {\n" + rows + "};\n";
}

}  // namespace zolvik
