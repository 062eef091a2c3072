// zolvik thermistor fit: the least-squares Steinhart-Hart coefficients of a table, with the
// Beta fit's B and the Steinhart-Hart fit's errors, to the digits that reproduce them.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/engine_fault.h"
#include "cli/thermistor_source.h"
#include "common/number_text.h"

namespace zolvik::cli {
namespace {

int PrintFit(const ThermistorSource &source, std::ostream &out)
{
    const ThermistorInput input = ReadThermistorSource(source);
    // A Beta model is its own B; the Steinhart-Hart curve is fitted to its samples.
    const ThermistorFit fit = BlameInput(SourceSubject(source), [&] {
        if (!input.beta)
            return FitThermistor(input.points);
        ThermistorFit sampled;
        sampled.steinhart = FitSteinhartHart(input.points);
        sampled.steinhartErrors = SteinhartErrors(sampled.steinhart, input.points);
        sampled.beta = *input.beta;
        return sampled;
    });
    out << "A = " << FormatReproducible(fit.steinhart.a) << '\n'
        << "B = " << FormatReproducible(fit.steinhart.b) << '\n'
        << "C = " << FormatReproducible(fit.steinhart.c) << '\n'
        << "beta = " << FormatReproducible(fit.beta.beta) << '\n'
        << "max_error_K = " << FormatReproducible(fit.steinhartErrors.maxAbsolute) << '\n'
        << "rms_error_K = " << FormatReproducible(fit.steinhartErrors.rms) << '\n';
    return 0;
}

}  // namespace

void AddThermistorFitCommand(CLI::App &thermistor, CommandRun &run)
{
    auto source = std::make_shared<ThermistorSource>();
    CLI::App *sub = thermistor.add_subcommand(
        "fit", "Least-squares Steinhart-Hart coefficients, Beta and errors of a table of points");
    AddThermistorSourceOptions(*sub, *source);
    sub->callback([source, sub, &run] {
        RequireOneThermistorSource(*sub);
        run = [source](std::ostream &out, std::ostream &) { return PrintFit(*source, out); };
    });
}

}  // namespace zolvik::cli
