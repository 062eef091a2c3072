// "LCD CGRAM": the eight user characters of a display's CGRAM, edited one at a time on the
// page's grid and written together as one C array, to a file or to the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

#include "main/controls.h"
#include "main/main.h"
#include "main/user_files.h"
#include "platform/prompts.h"
#include "tools/lcd_array_parse.h"
#include "tools/lcd_cgram_set.h"
#include "widgets/pixel_grid.h"

void TfrmMain::CreateLcdCgramControls(QWidget *page)
{
    using namespace controls;
    const Row<QLabel, TfrmMain> labels[] = {
        {&TfrmMain::LabelCgramChar, "LabelCgramChar", {296, 298, 118, 16}, "CGRAM Character"},
        {&TfrmMain::LabelCgramName, "LabelCgramName", {296, 326, 189, 16}, "Set Name"},
    };
    MakeRows(this, page, labels);
    spiCgramChar = Make<QSpinBox>(page, "spiCgramChar", {420, 295, 65, 22});
    spiCgramChar->setRange(0, zolvik::kCgramCharacters - 1);
    edtCgramName = Make<QLineEdit>(page, "edtCgramName", {296, 344, 189, 21});
    btnExportCgram = Make<QPushButton>(page, "btnExportCgram", {296, 376, 90, 30}, "Export set...");
    btnCopyCgram = Make<QPushButton>(page, "btnCopyCgram", {395, 376, 90, 30}, "Copy set");

    On(spiCgramChar, &QSpinBox::valueChanged, this, &TfrmMain::spiCgramCharChange);
    OnClick(btnExportCgram, this, &TfrmMain::btnExportCgramClick);
    OnClick(btnCopyCgram, this, &TfrmMain::btnCopyCgramClick);
}

std::string TfrmMain::LcdCgramText() const
{
    zolvik::LcdCgramSet set{};
    for (int k = 0; k < zolvik::kCgramCharacters; ++k)
        std::copy(std::begin(LcdCgramRows[k]), std::end(LcdCgramRows[k]), set[k].begin());
    set[LcdCgramShown] = zolvik::LcdCharRowBytes(LcdCharPixels);
    return zolvik::LcdCgramSetText(edtCgramName->text().toStdString(), set,
                                   RadioGroupIndex(rgBase));
}

void TfrmMain::spiCgramCharChange(QObject *)
{
    HandleErrors([&] {
        const zolvik::LcdRowBytes edited = zolvik::LcdCharRowBytes(LcdCharPixels);
        std::copy(edited.begin(), edited.end(), std::begin(LcdCgramRows[LcdCgramShown]));
        LcdCgramShown = spiCgramChar->value();
        zolvik::LcdRowBytes chosen{};
        std::copy(std::begin(LcdCgramRows[LcdCgramShown]), std::end(LcdCgramRows[LcdCgramShown]),
                  chosen.begin());
        const zolvik::LcdCharTable pixels = zolvik::LcdCharFromRowBytes(chosen);
        std::copy(pixels.begin(), pixels.end(), std::begin(LcdCharPixels));
        BuildLcdArray();
        gridCoord1->viewport()->update();
    });
}

void TfrmMain::btnExportCgramClick(QObject *)
{
    HandleErrors([&] {
        const QString path = platform::CurrentPrompts().AskSaveFile(
            this, {.filter = "*.h (*.h)", .defaultSuffix = "h"});
        if (path.isEmpty())
            return;
        SaveUserFile(path, LcdCgramText(), kCannotWriteFile);
    });
}

void TfrmMain::btnCopyCgramClick(QObject *)
{
    HandleErrors(
        [&] { QGuiApplication::clipboard()->setText(QString::fromStdString(LcdCgramText())); });
}
