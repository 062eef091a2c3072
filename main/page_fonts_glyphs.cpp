#include "main/page_fonts_glyphs.h"

#include "main/user_files.h"

bool GenerateFontFiles(const QString &family, int pointSize, int fontId, qreal dpi,
                       const QString &fieldPath, const QString &headerFolder)
{
    const std::optional<FontFiles> files = RenderFontFiles(family, pointSize, fontId, dpi);
    if (!files)
        return false;
    SaveUserImage(fieldPath, files->sheet, "BMP");
    SaveUserFile(FontHeaderPath(headerFolder, fontId), files->header);
    return true;
}
