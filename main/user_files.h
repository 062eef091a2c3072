#pragma once
// The window's way to a user's file: through the file layer, its failures as the window's
// messages ("Cannot create file "PATH". Reason", ...), raised as zolvik::Error.
#include <QByteArray>
#include <QString>

#include <string_view>

class QImage;

// The message for a write that fails once the file is open; "%1" is the full path and "%2"
// the reason.
inline constexpr const char *kCannotCreateFile = "Cannot create file \"%1\". %2";
inline constexpr const char *kCannotWriteFile =
    "Cannot write file \"%1\". %2; the file was not saved";

// Replaces the file with `bytes` all or nothing. A file that cannot be created, or a refused
// target, is kCannotCreateFile; a failure while writing is `writeFailure`.
void SaveUserFile(const QString &path, std::string_view bytes,
                  const char *writeFailure = kCannotCreateFile);
void SaveUserImage(const QString &path, const QImage &image, const char *format);

// At most `limit` bytes from the start of a regular file: "Cannot open file "PATH". Reason"
// or "Cannot read file "PATH". Reason".
QByteArray LoadUserFile(const QString &path, qint64 limit);
