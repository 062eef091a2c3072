#include "main/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <optional>

#include "fileio/file_error.h"
#include "fileio/input_file.h"
#include "fileio/output_file.h"
#include "common/errors.h"
#include "render/raster_image.h"

namespace {

[[noreturn]] void Fail(const char *format, const QString &path, const std::string &reason)
{
    const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    throw zolvik::Error(
        QString::fromLatin1(format).arg(full, QString::fromStdString(reason)).toStdString());
}

}  // namespace

void SaveUserFile(const QString &path, std::string_view bytes, const char *writeFailure)
{
    const std::string name = path.toStdString();
    std::optional<zolvik::fileio::OutputFile> file;
    try {
        file.emplace(name);
    } catch (const zolvik::fileio::FileError &error) {
        Fail(kCannotCreateFile, path, error.Reason());
    }
    try {
        file->Write(bytes);
        file->Commit();
    } catch (const zolvik::fileio::FileError &error) {
        Fail(writeFailure, path, error.Reason());
    }
}

void SaveUserImage(const QString &path, const QImage &image, const char *format)
{
    const std::optional<QByteArray> encoded = EncodeImage(image, format);
    if (!encoded)
        Fail(kCannotCreateFile, path, "Write error");
    SaveUserFile(path, std::string_view(encoded->constData(), std::size_t(encoded->size())));
}

QByteArray LoadUserFile(const QString &path, qint64 limit)
{
    std::optional<zolvik::fileio::InputFile> file;
    try {
        file.emplace(zolvik::fileio::InputFile::Open(path.toStdString()));
    } catch (const zolvik::fileio::FileError &error) {
        Fail("Cannot open file \"%1\". %2", path, error.Reason());
    }
    const auto size = static_cast<qint64>(file->Size().value_or(std::uint64_t(limit)));
    QByteArray bytes(std::min(limit, size), Qt::Uninitialized);
    try {
        bytes.truncate(qsizetype(file->ReadFull(bytes.data(), std::size_t(limit))));
    } catch (const zolvik::fileio::FileError &error) {
        Fail("Cannot read file \"%1\". %2", path, error.Reason());
    }
    return bytes;
}
