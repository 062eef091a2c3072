#include "render/icon_sheet.h"

#include "render/raster_image.h"
#include "tools/icon_strip.h"

QImage DecodeIconSheet(const QByteArray &bytes)
{
    QImage sheet;
    if (!sheet.loadFromData(bytes, "BMP"))
        return {};
    return sheet;
}

std::optional<std::vector<std::uint8_t>> IconSheetRecords(const QImage &sheet)
{
    if (!zolvik::IsIconSheet(sheet.width(), sheet.height()))
        return std::nullopt;
    return zolvik::IconRecords(ToRgbRaster(sheet));
}
