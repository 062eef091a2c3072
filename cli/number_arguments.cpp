#include "cli/number_arguments.h"

#include <charconv>
#include <string>

#include "cli/command.h"
#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik::cli {

std::int32_t WholeArgument(std::string_view text)
{
    return StrToInt(text);
}

std::int32_t WholeArgumentIn(std::string_view text, std::int32_t low, std::int32_t high)
{
    const std::int32_t value = WholeArgument(text);
    if (value < low || value > high)
        throw InputFault(std::string(text), "a value from " + std::to_string(low) + " to " +
                                                std::to_string(high) + " is needed");
    return value;
}

std::uint64_t UnsignedArgumentIn(std::string_view text, std::uint64_t low, std::uint64_t high)
{
    std::uint64_t value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool digitsOnly =
        !text.empty() && text.front() != '-' && end == text.data() + text.size();
    if (fault == std::errc::invalid_argument || !digitsOnly)
        throw Error("'" + std::string(text) + "' is not a valid integer value");
    if (fault == std::errc::result_out_of_range || value < low || value > high)
        throw InputFault(std::string(text), "a value from " + std::to_string(low) + " to " +
                                                std::to_string(high) + " is needed");
    return value;
}

long double DecimalArgument(std::string_view text)
{
    const std::optional<long double> value = ParseDecimal(text, '.');
    if (!value)
        throw Error("'" + std::string(text) + "' is not a valid floating point value");
    return *value;
}

}  // namespace zolvik::cli
