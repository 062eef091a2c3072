// "Cursors": a 64x64 cursor picture of two-bit codes, painted cell by cell with the code of
// the colour radio group, three preset shapes, Clean and a hot spot that is only shown.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

#include "main/controls.h"
#include "main/main.h"
#include "widgets/pixel_grid.h"
#include "tools/cursor_image.h"

namespace {

constexpr int kCellSize = 10;

// The code a cell's text stands for. Cell texts are short decimal numbers, read without
// allocating: painting runs this for every cell of a repaint.
std::int32_t CellCode(const QString &text)
{
    char buffer[32];
    const qsizetype length = text.size();
    if (length >= qsizetype(sizeof buffer))
        return zolvik::CursorCodeFromText(text.toStdString());
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit >= 0x80)
            return 0;  // no number holds a character beyond ASCII
        buffer[i] = static_cast<char>(unit);
    }
    return zolvik::CursorCodeFromText(std::string_view(buffer, std::size_t(length)));
}

// Cell texts of the four usual codes, shared by every cell that shows them.
QString CodeText(std::int32_t code)
{
    static const QString usual[] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                    QStringLiteral("3")};
    if (code >= 0 && code < 4)
        return usual[code];
    return QString::number(code);
}

}  // namespace

void TfrmMain::CreateCursorsPage(QWidget *page)
{
    CreateCursorEditor(page);
    CreateCursorTools(page);
}

void TfrmMain::CreateCursorEditor(QWidget *page)
{
    using namespace controls;
    PanelCurTitle = Framed(Centred(Make<QLabel>(page, "PanelCurTitle", {8, 4, 640, 25},
                                                "Create a Image Cursor 64x64")),
                           QFrame::Panel | QFrame::Raised);

    auto *grid =
        Make<TPixelGrid>(page, "stg_Cursor",
                         {8, 33, zolvik::kCursorSide * kCellSize, zolvik::kCursorSide * kCellSize},
                         zolvik::kCursorSide, zolvik::kCursorSide, kCellSize, false);
    stg_Cursor = grid;
    grid->setFrameShape(QFrame::NoFrame);
    for (int row = 0; row < zolvik::kCursorSide; ++row) {
        for (int column = 0; column < zolvik::kCursorSide; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            stg_Cursor->setItem(row, column, cell);
        }
    }
    ConnectPixelGrid(grid, this, &TfrmMain::stg_CursorDrawCell, &TfrmMain::stg_CursorSelectCell);
}

void TfrmMain::CreateCursorTools(QWidget *page)
{
    using namespace controls;
    PanelCurTools = Framed(Make<QFrame>(page, "PanelCurTools", {8, 677, 808, 82}),
                           QFrame::Panel | QFrame::Raised);

    rad_CurColor =
        Make<QGroupBox>(PanelCurTools, "rad_CurColor", {4, 2, 160, 76}, "  Pixel Color ");
    const char *const colourItems[] = {"Color for Palette 0", "Color for Palette 1", "Transparent",
                                       "Transparent Inverted"};
    for (int i = 0; i < 4; ++i)
        Make<QRadioButton>(rad_CurColor, {}, {8, 17 + 14 * i, 148, 14}, colourItems[i])
            ->setChecked(i == 0);

    const Row<QPushButton, TfrmMain> buttons[] = {
        {&TfrmMain::btn_CurCreate, "btn_CurCreate", {172, 8, 96, 30}, "Create File ,H"},
        {&TfrmMain::btn_CurSaveBin, "btn_CurSaveBin", {272, 8, 80, 30}, "Save BIN"},
        {&TfrmMain::btn_CurLoadBin, "btn_CurLoadBin", {356, 8, 80, 30}, "Load BIN"},
        {&TfrmMain::btn_CurClear, "btn_CurClear", {440, 8, 80, 30}, "Clean"},
        {&TfrmMain::btn_CurShape1, "btn_CurShape1", {676, 8, 36, 30}, "+"},
        {&TfrmMain::btn_CurShape2, "btn_CurShape2", {716, 8, 36, 30}, "X"},
        {&TfrmMain::btn_CurShape3, "btn_CurShape3", {756, 8, 36, 30}, "#"},
    };
    MakeRows(this, PanelCurTools, buttons);
    OnClick(btn_CurCreate, this, &TfrmMain::btn_CurCreateClick);
    OnClick(btn_CurSaveBin, this, &TfrmMain::btn_CurSaveBinClick);
    OnClick(btn_CurLoadBin, this, &TfrmMain::btn_CurLoadBinClick);
    OnClick(btn_CurClear, this, &TfrmMain::btn_CurClearClick);
    OnClick(btn_CurShape1, this, &TfrmMain::btn_CurShape1Click);
    OnClick(btn_CurShape2, this, &TfrmMain::btn_CurShape2Click);
    OnClick(btn_CurShape3, this, &TfrmMain::btn_CurShape3Click);
    // Under the file buttons, in the free part of the panel's lower half.
    btn_CurImport =
        Make<QPushButton>(PanelCurTools, "btn_CurImport", {172, 44, 180, 30}, "Import picture...");
    OnClick(btn_CurImport, this, &TfrmMain::btn_CurImportClick);

    const struct {
        QLabel *TfrmMain::*label;
        const char *labelName;
        const char *caption;
        QSpinBox *TfrmMain::*spin;
        const char *spinName;
        int top;
        void (TfrmMain::*change)(QObject *);
    } hotSpot[] = {
        {&TfrmMain::LabelCurXPoint, "LabelCurXPoint", "Point X Cursor", &TfrmMain::spi_CurXPoint,
         "spi_CurXPoint", 8, &TfrmMain::spi_CurXPointChange},
        {&TfrmMain::LabelCurYPoint, "LabelCurYPoint", "Point Y Cursor", &TfrmMain::spi_CurYPoint,
         "spi_CurYPoint", 42, &TfrmMain::spi_CurYPointChange},
    };
    for (const auto &edit : hotSpot) {
        this->*edit.label =
            Make<QLabel>(PanelCurTools, edit.labelName, {530, edit.top + 3, 80, 16}, edit.caption);
        auto *spin = Make<QSpinBox>(PanelCurTools, edit.spinName, {612, edit.top, 52, 22});
        spin->setRange(0, zolvik::kCursorSide - 1);
        spin->setValue(31);
        this->*edit.spin = spin;
    }
    // The hot spot follows every change of the text: the spin box reports the changes of its
    // value, its editor the typing that is not yet a number.
    for (const auto &edit : hotSpot) {
        QSpinBox *spin = this->*edit.spin;
        On(spin, &QSpinBox::textChanged, this, edit.change);
        On(spin->findChild<QLineEdit *>(), &QLineEdit::textChanged, this, edit.change, spin);
    }
}

void TfrmMain::CurSetPixel(int ACol, int ARow, std::int32_t ACode)
{
    CursorPixels[zolvik::CursorIndex(ACol, ARow)] = ACode;
}

void TfrmMain::CurRefreshGrid()
{
    for (int column = 0; column < zolvik::kCursorSide; ++column)
        for (int row = 0; row < zolvik::kCursorSide; ++row)
            stg_Cursor->item(row, column)
                ->setText(CodeText(CursorPixels[zolvik::CursorIndex(column, row)]));
    stg_Cursor->viewport()->update();
}

void TfrmMain::CurReadHotSpot()
{
    FCurHotX = zolvik::StrToIntDef(spi_CurXPoint->cleanText().toStdString(), 0);
    FCurHotY = zolvik::StrToIntDef(spi_CurYPoint->cleanText().toStdString(), 0);
}

void TfrmMain::stg_CursorDrawCell(QObject *, int ACol, int ARow, const QRect &Rect,
                                  QPainter *Canvas) noexcept
{
    const QTableWidgetItem *cell = stg_Cursor->item(ARow, ACol);
    const std::int32_t code = cell ? CellCode(cell->text()) : 0;
    const bool hotSpot = ACol == FCurHotX && ARow == FCurHotY;
    Canvas->fillRect(Rect, ColourFromBgr(zolvik::CursorCellColour(code, hotSpot)));
}

void TfrmMain::stg_CursorSelectCell(QObject *, int ACol, int ARow)
{
    HandleErrors([&] {
        const std::int32_t code = RadioGroupIndex(rad_CurColor);
        stg_Cursor->item(ARow, ACol)->setText(CodeText(code));
        CurSetPixel(ACol, ARow, code);
    });
}

void TfrmMain::CurStampShape(int shape)
{
    const std::int32_t code = RadioGroupIndex(rad_CurColor);
    for (const auto &[column, row] :
         zolvik::CursorShapeCells(static_cast<zolvik::CursorShape>(shape)))
        CurSetPixel(column, row, code);
    CurRefreshGrid();
}

void TfrmMain::btn_CurShape1Click(QObject *)
{
    HandleErrors([&] { CurStampShape(int(zolvik::CursorShape::Cross)); });
}

void TfrmMain::btn_CurShape2Click(QObject *)
{
    HandleErrors([&] { CurStampShape(int(zolvik::CursorShape::Diagonals)); });
}

void TfrmMain::btn_CurShape3Click(QObject *)
{
    HandleErrors([&] { CurStampShape(int(zolvik::CursorShape::Hash)); });
}

void TfrmMain::btn_CurClearClick(QObject *)
{
    HandleErrors([&] {
        for (int column = 0; column < zolvik::kCursorSide; ++column)
            for (int row = 0; row < zolvik::kCursorSide; ++row)
                CurSetPixel(column, row, zolvik::kCursorTransparent);
        CurRefreshGrid();
    });
}

void TfrmMain::spi_CurXPointChange(QObject *)
{
    HandleErrors([&] {
        CurReadHotSpot();
        stg_Cursor->viewport()->update();
    });
}

void TfrmMain::spi_CurYPointChange(QObject *)
{
    HandleErrors([&] {
        CurReadHotSpot();
        stg_Cursor->viewport()->update();
    });
}
