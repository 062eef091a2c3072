#include "cli/number_arguments.h"

#include <string>

#include "cli/command.h"
#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik::cli {

std::int32_t WholeArgument(std::string_view text) { return StrToInt(text); }

std::int32_t WholeArgumentIn(std::string_view text, std::int32_t low, std::int32_t high)
{
    const std::int32_t value = WholeArgument(text);
    if (value < low || value > high)
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
