#include "render/icon_sheet.h"

#include "render/raster_image.h"
#include <QBuffer>
#include <QImageReader>

#include "common/number_text.h"
#include "tools/bmp_extent.h"
#include "tools/png_extent.h"
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

QImage DecodeTileSheet(const QByteArray &bytes)
{
    const std::span<const std::uint8_t> file(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()));
    if (!zolvik::IsPngSignature(file))
        return DecodeIconSheet(bytes);
    // A file cut short or damaged is refused before libpng, which would complain on standard error.
    if (!zolvik::PngIsComplete(file))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    QImage sheet;
    if (!reader.read(&sheet))
        return {};
    return sheet;
}

std::string TileSheetRefusal(zolvik::TileSize tile)
{
    if (tile.width == zolvik::kIconSide && tile.height == zolvik::kIconSide)
        return kIconSheetNot48;
    return zolvik::Format("Imagem deve estar no padr\u00e3o %dx%d",
                          {std::int64_t{tile.width}, std::int64_t{tile.height}}, '.');
}

std::optional<std::vector<std::uint8_t>>
TileSheetRecords(const QImage &sheet, zolvik::TileSize tile, zolvik::PixelFormat format)
{
    if (!zolvik::IsTileSheet(sheet.width(), sheet.height(), tile))
        return std::nullopt;
    return zolvik::TileRecords(ToRgbaRaster(sheet), tile, format);
}
