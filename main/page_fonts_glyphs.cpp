#include "main/page_fonts_glyphs.h"

#include "common/errors.h"
#include "main/user_files.h"

bool GenerateFontFiles(const QString &family, int pointSize, int fontId, qreal dpi,
                       const QString &fieldPath, const QString &headerFolder,
                       const FontOptions &options)
{
    std::optional<FontOutput> output;
    try {
        output = ComposeFontOutput(family, pointSize, fontId, dpi, options);
    } catch (const FontArrayNameRefused &refused) {
        throw zolvik::Error(refused.Name() + ": " + refused.what());
    }
    if (!output)
        return false;
    if (!output->sheet.isNull())
        SaveUserImage(fieldPath, output->sheet, "BMP");
    SaveUserFile(FontHeaderPath(headerFolder, fontId), output->header);
    return true;
}
