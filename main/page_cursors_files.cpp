// "Cursors": the cursor picture out to a C header or a binary file, and back in from the
// binary file.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <string>

#include "main/main.h"
#include "tools/cursor_image.h"
#include "tools/errors.h"

namespace {

// A file dialog opened with an empty name, no title and no starting folder: the chosen path,
// or an empty text when the user cancels. Save dialogs ask before replacing a file.
QString AskFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &filter,
                const QString &defaultSuffix)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

QString FullPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

[[noreturn]] void Fail(const char *format, const QString &path, const QString &reason)
{
    throw zolvik::Error(QString::fromLatin1(format).arg(FullPath(path), reason).toStdString());
}

// Replaces the file with the bytes as a whole: they go to a temporary file beside it that
// takes the file's place only once every byte is written, so a failed save leaves no
// half-written file behind.
void SaveFileBytes(const QString &path, const std::string &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a write that fails shows at the write itself and not in a flush
    // whose failure the commit would not notice.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail("Cannot create file \"%1\". %2", path, file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    qint64 written = 0;
    while (written < size) {
        // A short write is retried, so that a lasting failure reports its reason.
        const qint64 count = file.write(bytes.data() + written, size - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written != size || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail("Cannot write file \"%1\". %2; the file was not saved", path, reason);
    }
}

}  // namespace

void TfrmMain::btn_CurCreateClick(QObject *)
{
    HandleErrors([&] {
        const QString path = AskFile(this, QFileDialog::AcceptSave, "*.h (*.h)", "h");
        if (path.isEmpty())
            return;
        SaveFileBytes(path, zolvik::CursorHeaderText(CursorPixels));
    });
}

void TfrmMain::btn_CurSaveBinClick(QObject *)
{
    HandleErrors([&] {
        const QString path = AskFile(this, QFileDialog::AcceptSave, "*.bin (*.bin)", "bin");
        if (path.isEmpty())
            return;
        SaveFileBytes(path, zolvik::CursorBinary(CursorPixels));
    });
}

void TfrmMain::btn_CurLoadBinClick(QObject *)
{
    HandleErrors([&] {
        const QString path = AskFile(this, QFileDialog::AcceptOpen, "*.bin (*.bin)", "bin");
        if (path.isEmpty())
            return;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            Fail("Cannot open file \"%1\". %2", path, file.errorString());
        const QByteArray bytes = file.read(qint64(zolvik::kCursorBinarySize));
        if (file.error() != QFileDevice::NoError)
            Fail("Cannot read file \"%1\". %2", path, file.errorString());
        file.close();
        const zolvik::CursorTable loaded = zolvik::LoadCursorBinary(
            CursorPixels, std::string_view(bytes.constData(), std::size_t(bytes.size())));
        std::copy(loaded.begin(), loaded.end(), std::begin(CursorPixels));
        CurRefreshGrid();
    });
}
