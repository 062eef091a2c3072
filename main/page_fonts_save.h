#pragma once
// Files of the Fonts page are written whole or not at all: into a temporary file beside the
// target, renamed over it only when everything was written.
#include <QByteArray>
#include <QString>

class QImage;

// Both throw zolvik::Error("Cannot create file "<full path>". <reason>") and leave the
// target as it was when the file cannot be created or written.
void SaveWholeFile(const QString &path, const QByteArray &bytes);
void SaveWholeImage(const QString &path, const QImage &image, const char *format);
