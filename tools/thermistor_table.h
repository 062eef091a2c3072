#pragma once
// A thermistor's resistance-temperature table as text: pasted from a datasheet or read from
// a CSV file. One point a line, the temperature in degrees Celsius then the resistance in
// ohms, the two columns separated by tabs, blanks, semicolons or a comma; either "." or ","
// as the decimal separator (a comma is a decimal separator whenever the columns are already
// separated by something else). Blank lines are skipped, and so is the first line when it
// does not read as a point (a header).
#include <string_view>
#include <vector>

#include "tools/thermistor_fit.h"

namespace zolvik {

// The points in the order of the lines. Any other line that is not exactly two numbers
// throws Error("Line N: ...").
std::vector<ThermistorPoint> ParseThermistorTable(std::string_view text);

}  // namespace zolvik
