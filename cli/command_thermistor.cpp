// zolvik thermistor: "Calculate Constants" and "Testing" of the Steinhart-Hart page, and the
// least-squares fit and lookup tables beside them.
#include <CLI/CLI.hpp>

#include <array>
#include <memory>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "common/number_text.h"
#include "tools/steinhart_hart.h"

namespace zolvik::cli {
namespace {

constexpr char kSeparator = '.';

// One "T:R" point read as the page reads its two fields.
std::pair<double, double> ReadPoint(const std::string &text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw InputFault(text, "a point is TEMPERATURE:RESISTANCE");
    return {ReadDecimalField(text.substr(0, colon), kUnreadableTemperature, kSeparator).value,
            ReadDecimalField(text.substr(colon + 1), kUnreadableResistance, kSeparator).value};
}

int PrintCoefficients(const std::vector<std::string> &pointTexts, std::ostream &out)
{
    const auto [t1, r1] = ReadPoint(pointTexts[0]);
    const auto [t2, r2] = ReadPoint(pointTexts[1]);
    const auto [t3, r3] = ReadPoint(pointTexts[2]);
    const SteinhartPoints points{t1, t2, t3, r1, r2, r3};
    if (!SteinhartPointsUsable(points))
        throw InputFault("", kSteinhartPointsInvalid);
    const SteinhartConstants constants = SteinhartConstantsOf(points);
    out << "A = " << FormatGeneral(constants.a, kSeparator) << '\n'
        << "B = " << FormatGeneral(constants.b, kSeparator) << '\n'
        << "C = " << FormatGeneral(constants.c, kSeparator) << '\n';
    return 0;
}

int PrintTemperature(const std::string &resistanceText, const std::string &abcText,
                     std::ostream &out)
{
    std::array<double, 3> abc{};
    std::size_t from = 0;
    for (std::size_t i = 0; i < abc.size(); ++i) {
        const std::size_t comma = abcText.find(',', from);
        if ((i < 2) != (comma != std::string::npos))
            throw InputFault(abcText, "the constants are A,B,C");
        abc[i] = static_cast<double>(DecimalArgument(abcText.substr(from, comma - from)));
        from = comma + 1;
    }
    const SteinhartConstants constants{abc[0], abc[1], abc[2]};
    if (!SteinhartConstantsComputed(constants))
        throw InputFault("", kSteinhartNotCalculated);
    const double resistance =
        ReadDecimalField(resistanceText, kUnreadableTestResistance, kSeparator).value;
    if (resistance == kUnreadableTestResistance)
        throw InputFault(resistanceText, kSteinhartResistanceInvalid);
    const double kelvin = SteinhartKelvin(constants, resistance);
    out << "K = " << SteinhartTemperatureText(kelvin, kSeparator) << '\n'
        << "C = " << SteinhartTemperatureText(KelvinToCelsius(kelvin), kSeparator) << '\n';
    return 0;
}

}  // namespace

void AddThermistorCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::vector<std::string> points;
        std::string resistance;
        std::string abc;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand(
        "thermistor", "Steinhart-Hart constants and temperatures (the Steinhart-Hart page)");
    sub->require_subcommand(1);

    CLI::App *coefficients =
        sub->add_subcommand("coefficients", "A, B and C from three points (Calculate Constants)");
    coefficients
        ->add_option("POINT", options->points, "T1:R1 T2:R2 T3:R3, degrees Celsius and ohms")
        ->required()
        ->expected(3);
    coefficients->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            return PrintCoefficients(options->points, out);
        };
    });

    CLI::App *temperature =
        sub->add_subcommand("temperature", "The temperature of a resistance (Testing)");
    temperature->add_option("R", options->resistance, "The resistance in ohms")->required();
    temperature->add_option("--abc", options->abc, "The constants A,B,C")->required();
    temperature->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            return PrintTemperature(options->resistance, options->abc, out);
        };
    });

    AddThermistorFitCommand(*sub, run);
    AddThermistorLutCommand(*sub, run);
}

}  // namespace zolvik::cli
