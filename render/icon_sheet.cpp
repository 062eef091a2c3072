#include "render/icon_sheet.h"

#include "render/raster_image.h"
#include "tools/bmp_extent.h"
#include "tools/icon_strip.h"

QImage DecodeIconSheet(const QByteArray &bytes)
{
    // A file cut short would otherwise decode with made-up pixels for its missing part.
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    QImage sheet;
    if (!zolvik::BmpIsComplete({data, static_cast<std::size_t>(bytes.size())}) ||
        !sheet.loadFromData(bytes, "BMP"))
        return {};
    return sheet;
}

std::optional<std::vector<std::uint8_t>> IconSheetRecords(const QImage &sheet)
{
    if (!zolvik::IsIconSheet(sheet.width(), sheet.height()))
        return std::nullopt;
    return zolvik::IconRecords(ToRgbRaster(sheet));
}
