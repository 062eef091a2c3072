// zolvik thermistor lut: a C lookup table from ADC codes to tenths of a degree for a
// thermistor in a voltage divider, equally spaced or the fewest pairs within an error bound.
#include <CLI/CLI.hpp>

#include <cmath>
#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/engine_fault.h"
#include "cli/number_arguments.h"
#include "cli/thermistor_source.h"
#include "tools/adc_lut.h"

namespace zolvik::cli {
namespace {

struct Options {
    ThermistorSource source;
    std::string series;
    std::string topology;
    std::string adcBits;
    std::string entries;
    std::string maxError;
    std::string name;
    std::string output = kStandardStream;
};

// Table points are fitted and hold over their own range; a Beta model is used as it is, over
// the range its fit is sampled on.
ThermistorCircuit CircuitOf(const Options &options)
{
    const ThermistorInput input = ReadThermistorSource(options.source);
    ThermistorCircuit circuit;
    if (input.beta) {
        circuit.model = *input.beta;
        circuit.minCelsius = kBetaRangeLow;
        circuit.maxCelsius = kBetaRangeHigh;
    } else {
        circuit = BlameInput(SourceSubject(options.source),
                             [&] { return CircuitOverPoints(input.points); });
    }
    // The pull-up is the series resistor from the reference, so the thermistor goes to ground.
    circuit.divider = options.topology == "pullup" ? DividerKind::ThermistorToGround
                                                   : DividerKind::ThermistorToReference;
    circuit.seriesOhms = static_cast<double>(DecimalArgument(options.series));
    if (!(circuit.seriesOhms > 0.0) || !std::isfinite(circuit.seriesOhms))
        throw InputFault(options.series, "the series resistance must be above 0 ohms");
    circuit.adcBits = WholeArgumentIn(options.adcBits, 8, 16);
    return circuit;
}

std::string LutText(const Options &options)
{
    const ThermistorCircuit circuit = CircuitOf(options);
    if (options.maxError.empty()) {
        const int entries = WholeArgumentIn(options.entries, 2, 4096);
        const AdcTable table = BlameInput(SourceSubject(options.source),
                                          [&] { return MakeAdcTable(circuit, entries); });
        return BlameInput(options.name, [&] { return AdcTableText(circuit, table, options.name); });
    }
    const double bound = static_cast<double>(DecimalArgument(options.maxError));
    if (!(bound > 0.05))
        throw InputFault(options.maxError,
                         "the error bound must be above 0.05 K, the rounding to tenths");
    const AdcKnots knots =
        BlameInput(SourceSubject(options.source), [&] { return MakeAdcKnots(circuit, bound); });
    // --entries beside --max-error is the most pairs the table may take.
    if (!options.entries.empty() &&
        knots.knots.size() > static_cast<std::size_t>(WholeArgument(options.entries)))
        throw InputFault(options.maxError, "the bound needs " + std::to_string(knots.knots.size()) +
                                               " pairs, more than --entries " + options.entries);
    return BlameInput(options.name, [&] { return AdcKnotsText(circuit, knots, options.name); });
}

}  // namespace

void AddThermistorLutCommand(CLI::App &thermistor, CommandRun &run)
{
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        thermistor.add_subcommand("lut", "A C table from ADC codes to tenths of a degree Celsius");
    AddThermistorSourceOptions(*sub, options->source);
    sub->add_option("--series", options->series, "The divider's fixed resistor in ohms")
        ->required();
    sub->add_option("--topology", options->topology,
                    "pullup: the fixed resistor to the reference; pulldown: to ground")
        ->required()
        ->check(CLI::IsMember({"pullup", "pulldown"}));
    sub->add_option("--adc-bits", options->adcBits, "The converter's resolution, 8 to 16 bits")
        ->required();
    CLI::Option *entries =
        sub->add_option("--entries", options->entries,
                        "Equally spaced entries, 2 to 4096 (with --max-error: the most pairs)");
    CLI::Option *maxError =
        sub->add_option("--max-error", options->maxError,
                        "Instead the fewest (code, tenths) pairs within this many kelvin");
    sub->add_option("--name", options->name, "The C name of the table")->required();
    sub->add_option("-o,--output", options->output,
                    "The file to write, or - for standard output (the default)");
    sub->callback([options, sub, entries, maxError, &run] {
        RequireOneThermistorSource(*sub);
        if (entries->count() == 0 && maxError->count() == 0)
            throw CLI::RequiredError("--entries or --max-error");
        run = [options](std::ostream &, std::ostream &) {
            const std::string text = LutText(*options);
            WriteOutput(options->output, text);
            return 0;
        };
    });
}

}  // namespace zolvik::cli
