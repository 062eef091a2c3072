// zolvik font: the font header button of the fonts page, rendered offscreen at 96 dpi.
#include <CLI/CLI.hpp>

#include <QFontDatabase>

#include <memory>

#include "cli/command.h"
#include "cli/command_files.h"
#include "cli/gui_session.h"
#include "cli/number_arguments.h"
#include "render/font_files.h"
#include "render/font_output.h"
#include "render/raster_image.h"

namespace zolvik::cli {
namespace {

constexpr std::uint64_t kMaxFontFileBytes = 64u << 20;

struct Options {
    std::string family;
    std::string fontFile;
    std::string size;
    std::string id = "0";
    std::string output;
    std::string sheet;
    std::string first = "0";
    std::string last = "255";
    bool proportional = false;
    std::string layout = "rows";
    std::string form = "string";
    std::string name;
    bool keepMissing = false;
};

// The family to render: the one named, or the first one a font file holds.
QString FamilyOf(const Options &options)
{
    if (!options.fontFile.empty()) {
        const std::string bytes = ReadInput(options.fontFile, kMaxFontFileBytes);
        const int id = QFontDatabase::addApplicationFontFromData(
            QByteArray(bytes.data(), qsizetype(bytes.size())));
        const QStringList families =
            id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            throw InputFault(options.fontFile, "not a TrueType or OpenType font");
        return families.constFirst();
    }
    const QString family = QString::fromStdString(options.family);
    if (!QFontDatabase::hasFamily(family))
        throw InputFault(options.family, "no installed font has this family name");
    return family;
}

int WriteFontFiles(const Options &options)
{
    const std::int32_t pointSize = WholeArgumentIn(options.size, 1, 1000);
    const std::int32_t fontId = WholeArgument(options.id);
    FontOptions chosen;
    chosen.first = WholeArgumentIn(options.first, zolvik::kFirstGlyphCode, zolvik::kLastGlyphCode);
    chosen.last = WholeArgumentIn(options.last, chosen.first, zolvik::kLastGlyphCode);
    chosen.proportional = options.proportional;
    chosen.layout = *zolvik::GlyphLayoutNamed(options.layout);
    chosen.arrayForm = options.form == "array";
    chosen.name = options.name;
    chosen.keepMissing = options.keepMissing;
    const GuiSession gui;
    const QString family = FamilyOf(options);
    std::optional<FontOutput> output;
    try {
        output = ComposeFontOutput(family, pointSize, fontId, kRenderDpi, chosen);
    } catch (const FontArrayNameRefused &refused) {
        throw InputFault(refused.Name(), refused.what());
    }
    if (!output)
        throw InputFault(family.toStdString(), kFontLeavesNoInk);
    if (!options.sheet.empty() && !output->sheet.isNull()) {
        const std::optional<QByteArray> sheet = EncodeImage(output->sheet, "BMP");
        if (!sheet)
            throw InputFault(options.sheet, "Write error");
        WriteOutput(options.sheet,
                    std::string_view(sheet->constData(), std::size_t(sheet->size())));
    }
    WriteOutput(options.output.empty() ? FontHeaderName(fontId).toStdString() : options.output,
                output->header);
    return 0;
}

}  // namespace

void AddFontCommand(CLI::App &app, CommandRun &run)
{
    auto options = std::make_shared<Options>();
    CLI::App *sub = app.add_subcommand(
        "font", "A C header of glyph bitmaps from a font (the font header button)");
    CLI::Option *family =
        sub->add_option("--family", options->family, "An installed font's family name");
    CLI::Option *file = sub->add_option("--font-file", options->fontFile, "A .ttf or .otf file");
    family->excludes(file);
    sub->add_option("--size", options->size, "The size in points")->required();
    sub->add_option("--id", options->id, "The font's number in the header (default 0)");
    sub->add_option("-o,--output", options->output,
                    "The header's file, or - for standard output (default: fontmapN.h here)");
    CLI::Option *sheet = sub->add_option("--sheet", options->sheet,
                                         "Also write the measuring sheet (campo.bmp) to this file");
    sub->add_option("--first", options->first,
                    "The range's first character code, 0 to 255 (default 0)");
    sub->add_option("--last", options->last,
                    "The range's last character code, --first to 255 (default 255)");
    sub->add_flag("--proportional", options->proportional,
                  "Each glyph its own width and ink box, with a table of glyph metrics (default: "
                  "fixed cells)")
        ->excludes(sheet);
    sub->add_option("--layout", options->layout, "Bit layout: rows or pages (default rows)")
        ->check(CLI::IsMember({"rows", "pages"}));
    CLI::Option *form =
        sub->add_option("--form", options->form,
                        "string (the fonts page's header) or array (a C99 uint8_t array and "
                        "descriptor struct); default string")
            ->check(CLI::IsMember({"string", "array"}));
    sub->add_option("--name", options->name, "The array form's C name (default fontID)")
        ->needs(form);
    sub->add_flag(
        "--keep-missing", options->keepMissing,
        "Draw the renderer's replacement for a character the font lacks (default: an empty glyph)");
    sub->callback([options, family, file, &run] {
        if (family->count() == 0 && file->count() == 0)
            throw CLI::RequiredError("--family or --font-file");
        run = [options](std::ostream &, std::ostream &) { return WriteFontFiles(*options); };
    });
}

}  // namespace zolvik::cli
