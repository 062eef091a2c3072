#pragma once
// Where `zolvik thermistor fit` and `lut` take the thermistor from: points on the command
// line, a datasheet table or CSV file, or a Beta model.
#include <optional>
#include <string>
#include <vector>

#include "tools/thermistor_fit.h"

namespace CLI {
class App;
}

namespace zolvik::cli {

struct ThermistorSource {
    std::vector<std::string> points;  // "T:R", degrees Celsius and ohms
    std::string table;                // a file name, "-" for standard input
    std::string beta;                 // "R0:T0:B"
};

// --point, --table and --beta: exactly one of them, checked when the subcommand is chosen.
void AddThermistorSourceOptions(CLI::App &sub, ThermistorSource &source);
void RequireOneThermistorSource(const CLI::App &sub);

// The points of the source (those of a Beta model sampled by SampleBetaModel), and the
// Beta model when it is one. Throws InputFault naming the option or the file.
struct ThermistorInput {
    std::vector<ThermistorPoint> points;
    std::optional<BetaModel> beta;
};
ThermistorInput ReadThermistorSource(const ThermistorSource &source);

// What a fault of the fit names: the table's file, the Beta model, or "--point".
std::string SourceSubject(const ThermistorSource &source);

}  // namespace zolvik::cli
