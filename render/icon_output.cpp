#include "render/icon_output.h"

#include "render/icon_sheet.h"
#include "tools/icon_header_text.h"
#include "tools/icon_strip.h"

bool IsPlainIconStrip(const IconOptions &options)
{
    const IconOptions plain;
    return options.format == plain.format && options.tile.width == plain.tile.width &&
           options.tile.height == plain.tile.height && options.headerName.empty();
}

std::string IconOutputBytes(const QImage &sheet, const IconOptions &options)
{
    const std::optional<std::vector<std::uint8_t>> records =
        TileSheetRecords(sheet, options.tile, options.format);
    if (!records)
        throw IconOutputRefused(TileSheetRefusal(options.tile), false);
    if (options.headerName.empty())
        return std::string(records->begin(), records->end());
    try {
        return zolvik::IconHeaderText(
            options.headerName, options.tile,
            zolvik::TileCount(sheet.width(), sheet.height(), options.tile), options.format,
            *records);
    } catch (const std::invalid_argument &) {
        // The records match the tiles, so only the name or an empty sheet is refused.
        if (sheet.width() == 0 || sheet.height() == 0)
            throw IconOutputRefused("the sheet holds no tile", false);
        throw IconOutputRefused("not a C identifier", true);
    }
}

std::string IconOutputPath(const std::string &inputPath, const IconOptions &options)
{
    const std::string bmb = zolvik::BmbPath(inputPath);
    if (options.headerName.empty())
        return bmb;
    return bmb.substr(0, bmb.size() - 4) + ".h";
}
