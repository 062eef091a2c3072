#include "render/cursor_picture.h"

#include "render/icon_sheet.h"
#include "render/raster_image.h"

zolvik::CursorImport CursorFromPicture(const QByteArray &bytes)
{
    // Read as the tile sheets are: PNG with its alpha, or BMP, a file cut short refused.
    const QImage picture = DecodeTileSheet(bytes);
    if (picture.isNull())
        return {std::nullopt, kCursorNotAPicture};
    return zolvik::ImportCursorPicture(ToRgbaRaster(picture));
}
