// "Cursors": the cursor picture out to a C header or a binary file, and back in from the
// binary file.
#include <QFileDialog>

#include <algorithm>
#include <string>

#include "main/main.h"
#include "main/user_files.h"
#include "tools/cursor_image.h"

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

}  // namespace

void TfrmMain::btn_CurCreateClick(QObject *)
{
    HandleErrors([&] {
        const QString path = AskFile(this, QFileDialog::AcceptSave, "*.h (*.h)", "h");
        if (path.isEmpty())
            return;
        SaveUserFile(path, zolvik::CursorHeaderText(CursorPixels), kCannotWriteFile);
    });
}

void TfrmMain::btn_CurSaveBinClick(QObject *)
{
    HandleErrors([&] {
        const QString path = AskFile(this, QFileDialog::AcceptSave, "*.bin (*.bin)", "bin");
        if (path.isEmpty())
            return;
        SaveUserFile(path, zolvik::CursorBinary(CursorPixels), kCannotWriteFile);
    });
}

void TfrmMain::btn_CurLoadBinClick(QObject *)
{
    HandleErrors([&] {
        const QString path = AskFile(this, QFileDialog::AcceptOpen, "*.bin (*.bin)", "bin");
        if (path.isEmpty())
            return;
        const QByteArray bytes = LoadUserFile(path, qint64(zolvik::kCursorBinarySize));
        const zolvik::CursorTable loaded = zolvik::LoadCursorBinary(
            CursorPixels, std::string_view(bytes.constData(), std::size_t(bytes.size())));
        std::copy(loaded.begin(), loaded.end(), std::begin(CursorPixels));
        CurRefreshGrid();
    });
}
