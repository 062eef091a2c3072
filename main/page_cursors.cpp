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

QColor FromPacked(std::uint32_t packed)
{
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
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
    PanelCurTitle = new QLabel("Create a Image Cursor 64x64", page);
    PanelCurTitle->setObjectName("PanelCurTitle");
    PanelCurTitle->setGeometry(8, 4, 640, 25);
    PanelCurTitle->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelCurTitle->setAlignment(Qt::AlignCenter);

    auto *grid = new TPixelGrid(zolvik::kCursorSide, zolvik::kCursorSide, kCellSize, false, page);
    stg_Cursor = grid;
    stg_Cursor->setObjectName("stg_Cursor");
    stg_Cursor->setFrameShape(QFrame::NoFrame);
    stg_Cursor->setGeometry(8, 33, zolvik::kCursorSide * kCellSize, zolvik::kCursorSide * kCellSize);
    for (int row = 0; row < zolvik::kCursorSide; ++row) {
        for (int column = 0; column < zolvik::kCursorSide; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            stg_Cursor->setItem(row, column, cell);
        }
    }
    stg_Cursor->setItemDelegate(new TCellPainter(
        [this](QPainter *painter, const QRect &rect, int column, int row, const QModelIndex &) {
            stg_CursorDrawCell(stg_Cursor, column, row, rect, painter);
        },
        stg_Cursor));
    connect(grid, &TPixelGrid::cellSelected, this,
            [this](int column, int row) { stg_CursorSelectCell(stg_Cursor, column, row); });
}

void TfrmMain::CreateCursorTools(QWidget *page)
{
    PanelCurTools = new QFrame(page);
    PanelCurTools->setObjectName("PanelCurTools");
    PanelCurTools->setGeometry(8, 677, 808, 82);
    PanelCurTools->setFrameStyle(QFrame::Panel | QFrame::Raised);

    rad_CurColor = new QGroupBox("  Pixel Color ", PanelCurTools);
    rad_CurColor->setObjectName("rad_CurColor");
    rad_CurColor->setGeometry(4, 2, 160, 76);
    const char *const colourItems[] = {"Color for Palette 0", "Color for Palette 1", "Transparent",
                                       "Transparent Inverted"};
    for (int i = 0; i < 4; ++i) {
        auto *item = new QRadioButton(colourItems[i], rad_CurColor);
        item->setGeometry(8, 17 + 14 * i, 148, 14);
        item->setChecked(i == 0);
    }

    const auto button = [&](QPushButton *&member, const char *name, const char *caption,
                            QRect place) {
        member = new QPushButton(caption, PanelCurTools);
        member->setObjectName(name);
        member->setGeometry(place);
    };
    button(btn_CurCreate, "btn_CurCreate", "Create File ,H", {172, 8, 96, 30});
    button(btn_CurSaveBin, "btn_CurSaveBin", "Save BIN", {272, 8, 80, 30});
    button(btn_CurLoadBin, "btn_CurLoadBin", "Load BIN", {356, 8, 80, 30});
    button(btn_CurClear, "btn_CurClear", "Clean", {440, 8, 80, 30});
    button(btn_CurShape1, "btn_CurShape1", "+", {676, 8, 36, 30});
    button(btn_CurShape2, "btn_CurShape2", "X", {716, 8, 36, 30});
    button(btn_CurShape3, "btn_CurShape3", "#", {756, 8, 36, 30});

    const auto hotSpotEdit = [&](QLabel *&label, const char *labelName, const char *caption,
                                 QSpinBox *&spin, const char *spinName, int top) {
        label = new QLabel(caption, PanelCurTools);
        label->setObjectName(labelName);
        label->setGeometry(530, top + 3, 80, 16);
        spin = new QSpinBox(PanelCurTools);
        spin->setObjectName(spinName);
        spin->setGeometry(612, top, 52, 22);
        spin->setRange(0, zolvik::kCursorSide - 1);
        spin->setValue(31);
    };
    hotSpotEdit(LabelCurXPoint, "LabelCurXPoint", "Point X Cursor", spi_CurXPoint, "spi_CurXPoint",
                8);
    hotSpotEdit(LabelCurYPoint, "LabelCurYPoint", "Point Y Cursor", spi_CurYPoint, "spi_CurYPoint",
                42);

    connect(btn_CurCreate, &QPushButton::clicked, this, [this] { btn_CurCreateClick(btn_CurCreate); });
    connect(btn_CurSaveBin, &QPushButton::clicked, this,
            [this] { btn_CurSaveBinClick(btn_CurSaveBin); });
    connect(btn_CurLoadBin, &QPushButton::clicked, this,
            [this] { btn_CurLoadBinClick(btn_CurLoadBin); });
    connect(btn_CurClear, &QPushButton::clicked, this, [this] { btn_CurClearClick(btn_CurClear); });
    connect(btn_CurShape1, &QPushButton::clicked, this, [this] { btn_CurShape1Click(btn_CurShape1); });
    connect(btn_CurShape2, &QPushButton::clicked, this, [this] { btn_CurShape2Click(btn_CurShape2); });
    connect(btn_CurShape3, &QPushButton::clicked, this, [this] { btn_CurShape3Click(btn_CurShape3); });
    // The hot spot follows every change of the text: the spin box reports the changes of its
    // value, its editor the typing that is not yet a number.
    for (QSpinBox *spin : {spi_CurXPoint, spi_CurYPoint}) {
        const auto change = [this, spin] {
            if (spin == spi_CurXPoint)
                spi_CurXPointChange(spin);
            else
                spi_CurYPointChange(spin);
        };
        connect(spin, &QSpinBox::textChanged, this, change);
        connect(spin->findChild<QLineEdit *>(), &QLineEdit::textChanged, this, change);
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
            stg_Cursor->item(row, column)->setText(
                CodeText(CursorPixels[zolvik::CursorIndex(column, row)]));
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
    Canvas->fillRect(Rect, FromPacked(zolvik::CursorCellColour(code, hotSpot)));
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
    for (const auto &[column, row] : zolvik::CursorShapeCells(static_cast<zolvik::CursorShape>(shape)))
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
