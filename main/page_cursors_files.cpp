// "Cursors": the cursor picture out to a C header or a binary file, back in from the binary
// file, and in from a PNG or BMP picture.
#include <algorithm>
#include <string>

#include "common/errors.h"
#include "main/main.h"
#include "main/user_files.h"
#include "platform/prompts.h"
#include "render/cursor_picture.h"
#include "tools/cursor_image.h"

void TfrmMain::btn_CurCreateClick(QObject *)
{
    HandleErrors([&] {
        const QString path = platform::CurrentPrompts().AskSaveFile(
            this, {.filter = "*.h (*.h)", .defaultSuffix = "h"});
        if (path.isEmpty())
            return;
        SaveUserFile(path, zolvik::CursorHeaderText(CursorPixels), kCannotWriteFile);
    });
}

void TfrmMain::btn_CurSaveBinClick(QObject *)
{
    HandleErrors([&] {
        const QString path = platform::CurrentPrompts().AskSaveFile(
            this, {.filter = "*.bin (*.bin)", .defaultSuffix = "bin"});
        if (path.isEmpty())
            return;
        SaveUserFile(path, zolvik::CursorBinary(CursorPixels), kCannotWriteFile);
    });
}

void TfrmMain::btn_CurLoadBinClick(QObject *)
{
    HandleErrors([&] {
        const QString path = platform::CurrentPrompts().AskOpenFile(
            this, {.filter = "*.bin (*.bin)", .defaultSuffix = "bin"});
        if (path.isEmpty())
            return;
        const QByteArray bytes = LoadUserFile(path, qint64(zolvik::kCursorBinarySize));
        const zolvik::CursorTable loaded = zolvik::LoadCursorBinary(
            CursorPixels, std::string_view(bytes.constData(), std::size_t(bytes.size())));
        std::copy(loaded.begin(), loaded.end(), std::begin(CursorPixels));
        CurRefreshGrid();
    });
}

void TfrmMain::btn_CurImportClick(QObject *)
{
    HandleErrors([&] {
        const QString path =
            platform::CurrentPrompts().AskOpenFile(this, {.filter = "Pictures (*.png *.bmp)"});
        if (path.isEmpty())
            return;
        const zolvik::CursorImport imported =
            CursorFromPicture(LoadUserFile(path, kLargestCursorPicture));
        if (!imported.table)
            throw zolvik::Error(imported.error);
        std::copy(imported.table->begin(), imported.table->end(), std::begin(CursorPixels));
        CurRefreshGrid();
    });
}
