#include "main/page_fonts_save.h"

#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <functional>

#include "tools/errors.h"

namespace {

[[noreturn]] void ThrowCannotCreate(const QString &path, const QString &reason)
{
    const QString message = QString("Cannot create file \"%1\". %2")
                                .arg(QFileInfo(path).absoluteFilePath(),
                                     reason.isEmpty() ? QString("Write error") : reason);
    throw zolvik::Error(message.toStdString());
}

void SaveWhole(const QString &path, const std::function<bool(QSaveFile &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ThrowCannotCreate(path, file.errorString());
    if (!write(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        ThrowCannotCreate(path, reason);
    }
    // An unsuccessful commit removes the temporary file and keeps the old target.
    if (!file.commit())
        ThrowCannotCreate(path, file.errorString());
}

}  // namespace

void SaveWholeFile(const QString &path, const QByteArray &bytes)
{
    SaveWhole(path, [&](QSaveFile &file) { return file.write(bytes) == bytes.size(); });
}

void SaveWholeImage(const QString &path, const QImage &image, const char *format)
{
    SaveWhole(path, [&](QSaveFile &file) { return image.save(&file, format); });
}
