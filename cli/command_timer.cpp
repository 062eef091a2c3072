// zolvik timer: the prescaler page's "Calculate >>".
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "common/number_text.h"
#include "tools/prescaler.h"

namespace zolvik::cli {

void AddTimerCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string clock;
        std::string ms;
        std::string bits = "8";
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand("timer", "A timer prescaler and count for a tick period (the AVR page)");
    sub->add_option("--clock", options->clock, "The clock in Hz")->required();
    sub->add_option("--ms", options->ms, "The period in milliseconds")->required();
    sub->add_option("--bits", options->bits, "The counter: 8 or 16 bits (default 8)")
        ->check(CLI::IsMember({"8", "16"}));
    sub->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            const std::int32_t clockHz = WholeArgument(options->clock);
            const std::int32_t periodMs = WholeArgument(options->ms);
            const PrescalerResult result =
                CalculatePrescaler(clockHz, periodMs, CounterLimit(WholeArgument(options->bits)));
            out << "prescaler = " << IntToStr(result.prescaler) << '\n'
                << "count = " << IntToStr(result.count) << '\n'
                << "select = " << IntToStr(PrescalerSetting(result.prescaler)) << '\n';
            return 0;
        };
    });
}

}  // namespace zolvik::cli
