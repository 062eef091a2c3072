#include "tools/thermistor_table.h"

#include <optional>
#include <string>

#include "common/errors.h"
#include "common/number_text.h"

namespace zolvik {

namespace {

bool IsColumnBreak(char c)
{
    return c == '\t' || c == ' ' || c == ';';
}

std::vector<std::string_view> SplitOn(std::string_view line, auto isBreak)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || isBreak(line[i])) {
            if (i > start)
                fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

std::vector<std::string_view> ColumnsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::string_view field : SplitOn(line, IsColumnBreak)) {
        // "25, 10000": the comma stays with the first column and separates nothing else.
        if (field.ends_with(','))
            field.remove_suffix(1);
        if (!field.empty())
            fields.push_back(field);
    }
    if (fields.size() == 1)
        return SplitOn(fields.front(), [](char c) { return c == ','; });
    return fields;
}

std::optional<double> NumberOf(std::string_view field)
{
    const std::optional<long double> value = ParseDecimalEitherSeparator(field);
    if (!value)
        return std::nullopt;
    return static_cast<double>(*value);
}

std::optional<ThermistorPoint> PointOf(std::string_view line, std::string &why)
{
    const std::vector<std::string_view> columns = ColumnsOf(line);
    if (columns.size() != 2) {
        why = "expected 2 columns, found " + std::to_string(columns.size());
        return std::nullopt;
    }
    const std::optional<double> celsius = NumberOf(columns[0]);
    const std::optional<double> ohms = NumberOf(columns[1]);
    if (!celsius || !ohms) {
        why = "'" + std::string(celsius ? columns[1] : columns[0]) + "' is not a number";
        return std::nullopt;
    }
    return ThermistorPoint{*celsius, *ohms};
}

}  // namespace

std::vector<ThermistorPoint> ParseThermistorTable(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<ThermistorPoint> points;
    bool firstLine = true;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        std::string why;
        const std::optional<ThermistorPoint> point = PointOf(line, why);
        const bool header = firstLine;
        firstLine = false;
        if (point)
            points.push_back(*point);
        else if (!header)
            throw Error("Line " + std::to_string(lineNumber) + ": " + why + ".");
    }
    return points;
}

}  // namespace zolvik
