#pragma once
// Between Qt images and plain rasters, and an image's encoded file bytes.
#include <QByteArray>
#include <QImage>

#include <optional>

#include "tools/rgb_raster.h"
#include "tools/rgba_raster.h"

// The colours of an image as 0x00BBGGRR values; alpha is dropped.
zolvik::RgbRaster ToRgbRaster(const QImage &image);

// The colours and alpha of an image as 0xAABBGGRR values, not premultiplied.
zolvik::RgbaRaster ToRgbaRaster(const QImage &image);

// An 8-bit image with a full colour table of 256 entries holding the raster's colours.
QImage ToIndexedImage(const zolvik::RgbRaster &raster);

// The image as the bytes of a file in `format` ("BMP"); nothing when Qt cannot encode it.
std::optional<QByteArray> EncodeImage(const QImage &image, const char *format);
