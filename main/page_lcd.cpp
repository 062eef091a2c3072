// "LCD CGRAM": one 5x8 character for a character LCD, toggled pixel by pixel, with a small
// preview and its C initialiser in binary, hexadecimal or decimal.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "common/errors.h"
#include "main/controls.h"
#include "main/main.h"
#include "widgets/pixel_grid.h"
#include "tools/lcd_array_parse.h"
#include "tools/lcd_char.h"

namespace {

constexpr int kCellSize = 50;
constexpr int kGridLine = 1;

}  // namespace

void TfrmMain::CreateLcdPage(QWidget *page)
{
    using namespace controls;
    constexpr int pitch = kCellSize + kGridLine;
    auto *grid = Make<TPixelGrid>(
        page, "gridCoord1", {16, 16, zolvik::kLcdColumns * pitch + 2, zolvik::kLcdRows * pitch + 2},
        zolvik::kLcdColumns, zolvik::kLcdRows, pitch, true);
    gridCoord1 = Framed(grid, QFrame::Box | QFrame::Plain);
    ConnectPixelGrid(grid, this, &TfrmMain::gridCoord1DrawCell, &TfrmMain::gridCoord1SelectCell);

    const Row<QLabel, TfrmMain> labels[] = {
        {&TfrmMain::LabelCharName, "LabelCharName", {296, 16, 189, 16}, "Character Name"},
        {&TfrmMain::Image, "Image", {296, 64, 189, 90}},
        {&TfrmMain::LabelArray, "LabelArray", {16, 440, 200, 16}, "New Character Array"},
    };
    MakeRows(this, page, labels);
    QPixmap preview(Image->size());
    preview.fill(ColourFromBgr(zolvik::kLcdOffColour));
    Image->setPixmap(preview);

    // The rest in keyboard order.
    edtCharName = Make<QLineEdit>(page, "edtCharName", {296, 34, 189, 21});
    rgBase = Make<QGroupBox>(page, "rgBase", {296, 164, 189, 78}, "  Base");
    const char *const baseItems[] = {"Binary", "Hexadecimal", "Decimal"};
    for (int i = 0; i < 3; ++i) {
        auto *item = Make<QRadioButton>(rgBase, {}, {10, 18 + 18 * i, 170, 17}, baseItems[i]);
        item->setChecked(i == 0);
        OnTurnedOn(item, this, &TfrmMain::edtCharNameChange, rgBase);
    }
    btnClearChar = Make<QPushButton>(page, "btnClearChar", {296, 252, 90, 30}, "Clean");
    edtArray = Make<QLineEdit>(page, "edtArray", {16, 458, 620, 21});
    btnImportArray = Make<QPushButton>(page, "btnImportArray", {644, 455, 80, 27}, "Import");

    On(edtCharName, &QLineEdit::textChanged, this, &TfrmMain::edtCharNameChange);
    OnClick(btnClearChar, this, &TfrmMain::btnClearCharClick);
    OnClick(btnImportArray, this, &TfrmMain::btnImportArrayClick);
    CreateLcdCgramControls(page);
}

void TfrmMain::BuildLcdArray()
{
    QPixmap preview = Image->pixmap();
    {
        QPainter canvas(&preview);
        for (int r = 0; r < zolvik::kLcdRows; ++r) {
            for (int c = 0; c < zolvik::kLcdColumns; ++c) {
                const zolvik::LcdSquare square =
                    zolvik::LcdPreviewSquare(c, r, Image->width(), Image->height());
                const bool on = LcdCharPixels[zolvik::LcdIndex(c, r)] != 0;
                canvas.fillRect(square.left, square.top, square.width, square.height,
                                ColourFromBgr(on ? zolvik::kLcdOnColour : zolvik::kLcdOffColour));
            }
        }
    }
    Image->setPixmap(preview);

    const zolvik::LcdRowBytes rows = zolvik::LcdCharRowBytes(LcdCharPixels);
    edtArray->setText(QString::fromStdString(
        zolvik::LcdArrayText(edtCharName->text().toStdString(), rows, RadioGroupIndex(rgBase))));
}

void TfrmMain::ClearLcdChar()
{
    std::fill(std::begin(LcdCharPixels), std::end(LcdCharPixels), std::uint8_t{0});
    QPixmap preview(Image->size());
    preview.fill(ColourFromBgr(zolvik::kLcdOffColour));
    Image->setPixmap(preview);
    BuildLcdArray();
}

void TfrmMain::gridCoord1DrawCell(QObject *, int ACol, int ARow, const QRect &Rect,
                                  QPainter *Canvas) noexcept
{
    const bool on = LcdCharPixels[zolvik::LcdIndex(ACol, ARow)] == 1;
    Canvas->fillRect(Rect, ColourFromBgr(on ? zolvik::kLcdOnColour : zolvik::kLcdOffColour));
}

void TfrmMain::gridCoord1SelectCell(QObject *, int ACol, int ARow)
{
    HandleErrors([&] {
        std::uint8_t &pixel = LcdCharPixels[zolvik::LcdIndex(ACol, ARow)];
        pixel = zolvik::ToggledLcdPixel(pixel);
        // The preview and the text follow the character at once, whether or not the grid
        // gets painted.
        BuildLcdArray();
        gridCoord1->viewport()->update();
    });
}

void TfrmMain::edtCharNameChange(QObject *)
{
    HandleErrors([&] { BuildLcdArray(); });
}

void TfrmMain::btnClearCharClick(QObject *)
{
    HandleErrors([&] {
        ClearLcdChar();
        gridCoord1->viewport()->update();
    });
}

void TfrmMain::btnImportArrayClick(QObject *)
{
    HandleErrors([&] {
        const zolvik::LcdArrayReading reading =
            zolvik::ReadLcdArrayText(edtArray->text().toStdString());
        if (!reading.rows)
            throw zolvik::Error(reading.error);
        const zolvik::LcdCharTable pixels = zolvik::LcdCharFromRowBytes(*reading.rows);
        std::copy(pixels.begin(), pixels.end(), std::begin(LcdCharPixels));
        // The page writes an empty name as the placeholder, so the placeholder reads back as
        // the empty name; a bare list of values keeps the name there is.
        if (!reading.name.empty())
            edtCharName->setText(reading.name == zolvik::LcdArrayName({})
                                     ? QString()
                                     : QString::fromStdString(reading.name));
        BuildLcdArray();
        gridCoord1->viewport()->update();
    });
}
