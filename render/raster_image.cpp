#include "render/raster_image.h"

#include <QBuffer>
#include <QHash>
#include <QList>

#include <cstring>

namespace {

std::uint32_t ToBgr(QRgb colour)
{
    return static_cast<std::uint32_t>(qRed(colour)) |
           (static_cast<std::uint32_t>(qGreen(colour)) << 8) |
           (static_cast<std::uint32_t>(qBlue(colour)) << 16);
}

QRgb FromBgr(std::uint32_t colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

zolvik::RgbRaster ToRgbRaster(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    zolvik::RgbRaster raster(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            raster.Set(x, y, ToBgr(line[x]));
    }
    return raster;
}

zolvik::RgbaRaster ToRgbaRaster(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    zolvik::RgbaRaster raster{argb.width(), argb.height(), {}};
    raster.pixels.reserve(std::size_t(argb.width()) * std::size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            raster.pixels.push_back(ToBgr(line[x]) |
                                    (static_cast<std::uint32_t>(qAlpha(line[x])) << 24));
    }
    return raster;
}

QImage ToIndexedImage(const zolvik::RgbRaster &raster)
{
    QList<QRgb> table;
    QHash<std::uint32_t, uchar> indexOf;
    for (std::uint32_t colour : raster.pixels) {
        if (indexOf.contains(colour))
            continue;
        if (table.size() == 256) {
            // More colours than a table holds: let Qt choose the table.
            QImage rgb(raster.width, raster.height, QImage::Format_RGB32);
            for (int y = 0; y < raster.height; ++y)
                for (int x = 0; x < raster.width; ++x)
                    rgb.setPixel(x, y, FromBgr(raster.At(x, y)));
            return rgb.convertToFormat(QImage::Format_Indexed8);
        }
        indexOf.insert(colour, static_cast<uchar>(table.size()));
        table.append(FromBgr(colour));
    }
    // A full table: with 16 colours or fewer Qt would store 4 bits per pixel.
    table.resize(256, table.isEmpty() ? qRgb(255, 255, 255) : table.constFirst());
    QImage image(raster.width, raster.height, QImage::Format_Indexed8);
    // The padding at the end of each line goes into the file as it is: zero, not whatever
    // the memory held.
    std::memset(image.bits(), 0, std::size_t(image.sizeInBytes()));
    image.setColorTable(table);
    for (int y = 0; y < raster.height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < raster.width; ++x)
            line[x] = indexOf.value(raster.At(x, y));
    }
    return image;
}

std::optional<QByteArray> EncodeImage(const QImage &image, const char *format)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return std::nullopt;
    return encoded;
}
