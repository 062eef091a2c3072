#include "cli/thermistor_source.h"

#include <CLI/CLI.hpp>


#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/engine_fault.h"
#include "cli/number_arguments.h"
#include "tools/thermistor_table.h"

namespace zolvik::cli {
namespace {

// A datasheet table is a few hundred lines; anything near this is not one.
constexpr std::uint64_t kTableLimit = 4 * 1024 * 1024;

std::vector<std::string> ColonFields(const std::string &text)
{
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t colon = text.find(':', from);
        fields.push_back(
            text.substr(from, colon == std::string::npos ? std::string::npos : colon - from));
        if (colon == std::string::npos)
            return fields;
        from = colon + 1;
    }
}

ThermistorPoint ReadPoint(const std::string &text)
{
    const std::vector<std::string> fields = ColonFields(text);
    if (fields.size() != 2)
        throw InputFault(text, "a point is TEMPERATURE:RESISTANCE");
    return BlameInput(text, [&] {
        return ThermistorPoint{static_cast<double>(DecimalArgument(fields[0])),
                               static_cast<double>(DecimalArgument(fields[1]))};
    });
}

BetaModel ReadBeta(const std::string &text)
{
    const std::vector<std::string> fields = ColonFields(text);
    if (fields.size() != 3)
        throw InputFault(text, "a Beta model is R0:T0:B");
    const BetaModel model = BlameInput(text, [&] {
        return BetaModel{static_cast<double>(DecimalArgument(fields[0])),
                         static_cast<double>(DecimalArgument(fields[1])),
                         static_cast<double>(DecimalArgument(fields[2]))};
    });
    BlameInput(text, [&] { CheckBetaModel(model); });
    return model;
}

}  // namespace

void AddThermistorSourceOptions(CLI::App &sub, ThermistorSource &source)
{
    CLI::Option *point = sub.add_option(
        "--point", source.points, "T:R, degrees Celsius and ohms, once per point (at least 3)");
    CLI::Option *table =
        sub.add_option("--table", source.table,
                       "A datasheet table or CSV file of T R lines, or - for standard input");
    CLI::Option *beta = sub.add_option("--beta", source.beta,
                                       "A Beta model R0:T0:B (ohms, degrees Celsius, kelvin)");
    point->excludes(table)->excludes(beta);
    table->excludes(beta);
}

void RequireOneThermistorSource(const CLI::App &sub)
{
    if (sub.count("--point") + sub.count("--table") + sub.count("--beta") == 0)
        throw CLI::RequiredError("--point, --table or --beta");
}

std::string SourceSubject(const ThermistorSource &source)
{
    if (!source.beta.empty())
        return source.beta;
    return source.table.empty() ? "--point" : source.table;
}

ThermistorInput ReadThermistorSource(const ThermistorSource &source)
{
    if (!source.beta.empty()) {
        const BetaModel model = ReadBeta(source.beta);
        return {SampleBetaModel(model), model};
    }
    if (!source.table.empty()) {
        const std::string text = ReadInput(source.table, kTableLimit);
        return {BlameInput(source.table, [&] { return ParseThermistorTable(text); }), std::nullopt};
    }
    ThermistorInput input;
    for (const std::string &text : source.points)
        input.points.push_back(ReadPoint(text));
    return input;
}

}  // namespace zolvik::cli
