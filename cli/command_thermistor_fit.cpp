// zolvik thermistor fit: the least-squares Steinhart-Hart coefficients of a table, with the
// Beta fit's B and the Steinhart-Hart fit's errors, to the digits that reproduce them.
#include <CLI/CLI.hpp>

#include <charconv>
#include <memory>

#include "cli/command.h"
#include "cli/engine_fault.h"
#include "cli/thermistor_source.h"

namespace zolvik::cli {
namespace {

// 17 significant digits bring every double back exactly; to_chars ignores the locale.
std::string Reproducible(double value)
{
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17).ptr;
    return std::string(text, end);
}

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
    out << "A = " << Reproducible(fit.steinhart.a) << '\n'
        << "B = " << Reproducible(fit.steinhart.b) << '\n'
        << "C = " << Reproducible(fit.steinhart.c) << '\n'
        << "beta = " << Reproducible(fit.beta.beta) << '\n'
        << "max_error_K = " << Reproducible(fit.steinhartErrors.maxAbsolute) << '\n'
        << "rms_error_K = " << Reproducible(fit.steinhartErrors.rms) << '\n';
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
