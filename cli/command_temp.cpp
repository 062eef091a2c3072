// zolvik temp: the temperature converter of the files page.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "common/u_string.h"
#include "tools/temperature.h"

namespace zolvik::cli {

void AddTempCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string value;
        std::string scale;
        std::string decimals = "1";
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        app.add_subcommand("temp", "Celsius, Fahrenheit and kelvin (the temperature converter)");
    sub->add_option("VALUE", options->value, "The temperature")->required();
    sub->add_option("SCALE", options->scale, "c, f or k")
        ->required()
        ->check(CLI::IsMember({"c", "f", "k"}));
    sub->add_option("--decimals", options->decimals, "1 or 2 (default 1)")
        ->check(CLI::IsMember({"1", "2"}));
    sub->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            // The field shows the text with its separator put right, and that text converts.
            const std::string source = FixDecimalSeparator(options->value, '.');
            DecimalArgument(source);
            const TemperatureScale scale = options->scale == "c"   ? TemperatureScale::Celsius
                                           : options->scale == "f" ? TemperatureScale::Fahrenheit
                                                                   : TemperatureScale::Kelvin;
            const TemperatureTexts others =
                ConvertTemperatureText(scale, source, options->decimals == "2" ? 2 : 1, '.');
            // The other two in the converter's order: C gives F, K; F gives C, K; K gives C, F.
            const std::string &c = scale == TemperatureScale::Celsius ? source : others.first;
            const std::string &f = scale == TemperatureScale::Fahrenheit ? source
                                   : scale == TemperatureScale::Celsius  ? others.first
                                                                         : others.second;
            const std::string &k = scale == TemperatureScale::Kelvin ? source : others.second;
            out << "C = " << c << '\n' << "F = " << f << '\n' << "K = " << k << '\n';
            return 0;
        };
    });
}

}  // namespace zolvik::cli
