#pragma once
// A cursor taken in from a picture file, as the cursor page's "Import picture..." and
// `zolvik cursor --picture` read it: a 64x64 PNG (alpha kept) or BMP.
#include <QByteArray>

#include "tools/cursor_import.h"

inline constexpr const char *kCursorNotAPicture = "The file is not a PNG or BMP picture";

// Far more than any 64x64 picture takes; a longer file is read cut short, and so refused as
// no picture.
inline constexpr qint64 kLargestCursorPicture = qint64(16) << 20;

// The cursor's codes, or the reason the file is refused.
zolvik::CursorImport CursorFromPicture(const QByteArray &bytes);
