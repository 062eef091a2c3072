#include "render/font_output.h"

#include "tools/font_array_text.h"

bool IsFontsPageForm(const FontOptions &options)
{
    return !options.arrayForm && !options.proportional &&
           options.layout == zolvik::GlyphLayout::Rows;
}

std::optional<FontGlyphs> RenderFontGlyphs(const QString &family, int pointSize, int fontId,
                                           qreal dpi, const FontOptions &options)
{
    GlyphChoice choice;
    choice.first = options.first;
    choice.last = options.last;
    choice.layout = options.layout;
    choice.keepMissing = options.keepMissing || IsFontsPageForm(options);
    FontGlyphs glyphs;
    if (options.proportional)
        glyphs.proportional = RenderProportionalFont(family, pointSize, fontId, dpi, choice);
    else
        glyphs.fixed = RenderFixedFont(family, pointSize, fontId, dpi, choice);
    if (!glyphs.fixed && !glyphs.proportional)
        return std::nullopt;
    return glyphs;
}

std::string FontOutputText(const FontGlyphs &glyphs, int fontId, const FontOptions &options)
{
    if (!options.arrayForm)
        return glyphs.fixed ? zolvik::FontHeaderText(glyphs.fixed->header)
                            : zolvik::ProportionalFontHeaderText(*glyphs.proportional);
    const std::string name = options.name.empty() ? "font" + std::to_string(fontId) : options.name;
    try {
        return glyphs.fixed ? zolvik::FontArrayText(name, glyphs.fixed->header)
                            : zolvik::FontArrayText(name, *glyphs.proportional);
    } catch (const std::invalid_argument &) {
        throw FontArrayNameRefused(name);
    }
}

std::optional<FontOutput> ComposeFontOutput(const QString &family, int pointSize, int fontId,
                                            qreal dpi, const FontOptions &options)
{
    std::optional<FontGlyphs> glyphs = RenderFontGlyphs(family, pointSize, fontId, dpi, options);
    if (!glyphs)
        return std::nullopt;
    FontOutput output;
    output.header = FontOutputText(*glyphs, fontId, options);
    if (glyphs->fixed)
        output.sheet = glyphs->fixed->sheet;
    output.glyphs = std::move(*glyphs);
    return output;
}
