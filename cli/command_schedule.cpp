// zolvik schedule: the WorkTemp page's two conversions of the weekly schedule word.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "common/number_text.h"
#include "tools/schedule_word.h"

namespace zolvik::cli {
namespace {

constexpr int kDays = 7;
constexpr int kEnableBit = 7;

// The times the page's pickers show; a start the pickers cannot show is refused as there.
void CheckPickerTimes(std::int32_t start, std::int32_t duration)
{
    PickerTimeOf(start);
    PickerTimeOf(duration);
    PickerTimeOf(WrappingSum(start, duration));
}

}  // namespace

void AddScheduleCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::string start;
        std::string duration;
        std::string days = "1111111";
        bool disabled = false;
        std::string value;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        app.add_subcommand("schedule", "The weekly schedule word, both ways (the WorkTemp page)");
    sub->require_subcommand(1);

    CLI::App *encode = sub->add_subcommand(
        "encode", "Start, duration, days and enable into the word (Convert >>)");
    encode->add_option("--start", options->start, "Start, minutes after midnight")->required();
    encode->add_option("--duration", options->duration, "Duration in minutes")->required();
    encode->add_option("--days", options->days, "Seven 0/1 digits, Sunday first (default 1111111)")
        ->check([](const std::string &days) {
            return days.size() == kDays && days.find_first_not_of("01") == std::string::npos
                       ? std::string()
                       : std::string("seven digits 0 or 1 are needed, Sunday first");
        });
    encode->add_flag("--disabled", options->disabled, "Leave the enable bit clear");
    encode->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            const std::int32_t duration = WholeArgument(options->duration);
            const std::int32_t start = WholeArgument(options->start);
            ScheduleFlags flags{};
            for (int day = 0; day < kDays; ++day)
                flags[day] = options->days[day] == '1';
            flags[kEnableBit] = !options->disabled;
            const std::int32_t word = EncodeScheduleWord(duration, start, ScheduleFlagBits(flags));
            CheckPickerTimes(start, duration);
            out << "value = " << IntToStr(word) << '\n'
                << "hex = " << ScheduleHexText(word) << '\n';
            return 0;
        };
    });

    CLI::App *decode = sub->add_subcommand(
        "decode", "The word into start, duration, days and enable (<< Convert)");
    decode->add_option("VALUE", options->value, "The word, in any whole-number form")->required();
    decode->callback([options, &run] {
        run = [options](std::ostream &out, std::ostream &) {
            const std::int32_t word = WholeArgument(options->value);
            const std::int32_t duration = ScheduleDuration(word);
            const std::int32_t start = ScheduleStart(word);
            CheckPickerTimes(start, duration);
            const ScheduleFlags flags = ScheduleFlagsOf(word);
            std::string days;
            for (int day = 0; day < kDays; ++day)
                days += flags[day] ? '1' : '0';
            out << "start = " << IntToStr(start) << '\n'
                << "duration = " << IntToStr(duration) << '\n'
                << "days = " << days << '\n'
                << "enabled = " << (flags[kEnableBit] ? "yes" : "no") << '\n';
            return 0;
        };
    });
}

}  // namespace zolvik::cli
