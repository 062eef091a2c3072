// zolvik timer: the prescaler page's "Calculate >>", and every prescaler and count of a real
// timer that gives a period.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/engine_fault.h"
#include "cli/number_arguments.h"
#include "common/number_text.h"
#include "tools/prescaler.h"
#include "tools/timer_catalog.h"

namespace zolvik::cli {
namespace {

struct Options {
    std::string clock;
    std::string ms;
    std::string bits = "8";
    std::string period;
    std::string timer;
    bool all = false;
};

int PrintPrescaler(const Options &options, std::ostream &out)
{
    const std::int32_t clockHz = WholeArgument(options.clock);
    const std::int32_t periodMs = WholeArgument(options.ms);
    const PrescalerResult result =
        CalculatePrescaler(clockHz, periodMs, CounterLimit(WholeArgument(options.bits)));
    out << "prescaler = " << IntToStr(result.prescaler) << '\n'
        << "count = " << IntToStr(result.count) << '\n'
        << "select = " << IntToStr(PrescalerSetting(result.prescaler)) << '\n';
    return 0;
}

int PrintTimerPairs(const Options &options, std::ostream &out)
{
    const std::uint64_t clockHz = UnsignedArgumentIn(options.clock, 1, 4294967295u);
    const TimerSpec timer = BlameInput(options.timer, [&] { return TimerByName(options.timer); });
    const std::vector<TimerPair> pairs = BlameInput(
        options.period, [&] { return TimerPairs(timer, clockHz, ParsePeriod(options.period)); });
    // Best first: without --all only the first.
    for (std::size_t i = 0; i < (options.all ? pairs.size() : 1); ++i)
        out << TimerPairLine(pairs[i]) << '\n';
    return 0;
}

}  // namespace

void AddTimerCommand(CLI::App &app, CommandRun &run)
{
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        app.add_subcommand("timer", "A timer prescaler and count for a tick period (the AVR page)");
    sub->add_option("--clock", options->clock, "The clock in Hz")->required();
    CLI::Option *ms = sub->add_option("--ms", options->ms, "The period in milliseconds");
    CLI::Option *bits =
        sub->add_option("--bits", options->bits, "The counter: 8 or 16 bits (default 8)")
            ->check(CLI::IsMember({"8", "16"}));
    CLI::Option *period =
        sub->add_option("--period", options->period,
                        "Instead of --ms: the period, e.g. 1.5ms (units ns, us, ms, s)");
    CLI::Option *timer =
        sub->add_option("--timer", options->timer,
                        "With --period: avr0, avr1, avr2, gp16 or custom:P1,P2,...:BITS");
    CLI::Option *all =
        sub->add_flag("--all", options->all, "With --period: every pair, best first");
    period->needs(timer);
    timer->needs(period);
    all->needs(timer);
    ms->excludes(period)->excludes(timer);
    bits->excludes(period)->excludes(timer);
    sub->callback([options, ms, period, &run] {
        if (period->count() != 0) {
            run = [options](std::ostream &out, std::ostream &) {
                return PrintTimerPairs(*options, out);
            };
            return;
        }
        if (ms->count() == 0)
            throw CLI::RequiredError("--ms");
        run = [options](std::ostream &out, std::ostream &) {
            return PrintPrescaler(*options, out);
        };
    });
}

}  // namespace zolvik::cli
