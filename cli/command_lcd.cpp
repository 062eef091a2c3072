// zolvik lcd: the LCD page's array text for eight row values, or for an array text read back
// as "Import" reads it.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/command.h"
#include "cli/number_arguments.h"
#include "tools/lcd_array_parse.h"
#include "tools/lcd_char.h"

namespace zolvik::cli {

int LcdBaseNamed(const std::string &name)
{
    return name == "bin" ? kLcdBaseBinary : name == "hex" ? kLcdBaseHexadecimal : kLcdBaseDecimal;
}

void AddLcdBaseOption(CLI::App &sub, std::string &base)
{
    sub.add_option("--base", base, "bin, hex or dec (default bin)")
        ->check(CLI::IsMember({"bin", "hex", "dec"}));
}

LcdRowBytes ReadLcdArrayArgument(const std::string &subject, const std::string &text,
                                 std::string *name)
{
    const LcdArrayReading reading = ReadLcdArrayText(text);
    if (!reading.rows)
        throw InputFault(subject, reading.error);
    if (name && name->empty())
        *name = reading.name;
    return *reading.rows;
}

void AddLcdCommand(CLI::App &app, CommandRun &run)
{
    struct Options {
        std::vector<std::string> rows;
        std::string array;
        std::string base = "bin";
        std::string name;
    };
    auto options = std::make_shared<Options>();
    CLI::App *sub =
        app.add_subcommand("lcd", "The C initialiser of a 5x8 LCD character (the LCD page)");
    CLI::Option *rows =
        sub->add_option("ROW", options->rows, "Eight row values from 0 to 31, top row first")
            ->expected(kLcdRows);
    sub->add_option("--array", options->array,
                    "An array text to read back instead of ROW values: binary, hexadecimal or "
                    "decimal values, with or without the \"u8 name[8] = {...};\" wrapper")
        ->excludes(rows);
    AddLcdBaseOption(*sub, options->base);
    sub->add_option("--name", options->name,
                    "The array's name (default: the read-back array's, else as the page: "
                    "newArrray)");
    sub->callback([options, &run] {
        if (options->rows.empty() && options->array.empty())
            throw CLI::RequiredError("ROW or --array");
        run = [options](std::ostream &out, std::ostream &) {
            LcdRowBytes rows{};
            std::string name = options->name;
            if (!options->array.empty())
                rows = ReadLcdArrayArgument("--array", options->array, &name);
            else
                for (int row = 0; row < kLcdRows; ++row)
                    rows[row] =
                        static_cast<std::uint8_t>(WholeArgumentIn(options->rows[row], 0, 31));
            out << LcdArrayText(name, rows, LcdBaseNamed(options->base)) << '\n';
            return 0;
        };
    });
}

}  // namespace zolvik::cli
