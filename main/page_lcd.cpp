// "LCD CGRAM": one 5x8 character for a character LCD, toggled pixel by pixel, with a small
// preview and its C initialiser in binary, hexadecimal or decimal.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "main/main.h"
#include "widgets/pixel_grid.h"
#include "tools/lcd_char.h"

namespace {

constexpr int kCellSize = 50;
constexpr int kGridLine = 1;

QColor FromPacked(std::uint32_t packed)
{
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

}  // namespace

void TfrmMain::CreateLcdPage(QWidget *page)
{
    constexpr int pitch = kCellSize + kGridLine;
    auto *grid = new TPixelGrid(zolvik::kLcdColumns, zolvik::kLcdRows, pitch, true, page);
    gridCoord1 = grid;
    gridCoord1->setObjectName("gridCoord1");
    gridCoord1->setFrameStyle(QFrame::Box | QFrame::Plain);
    gridCoord1->setLineWidth(1);
    gridCoord1->setGeometry(16, 16, zolvik::kLcdColumns * pitch + 2, zolvik::kLcdRows * pitch + 2);
    gridCoord1->setItemDelegate(new TCellPainter(
        [this](QPainter *painter, const QRect &rect, int column, int row, const QModelIndex &) {
            gridCoord1DrawCell(gridCoord1, column, row, rect, painter);
        },
        gridCoord1));
    connect(grid, &TPixelGrid::cellSelected, this,
            [this](int column, int row) { gridCoord1SelectCell(gridCoord1, column, row); });

    LabelCharName = new QLabel("Character Name", page);
    LabelCharName->setObjectName("LabelCharName");
    LabelCharName->setGeometry(296, 16, 189, 16);
    edtCharName = new QLineEdit(page);
    edtCharName->setObjectName("edtCharName");
    edtCharName->setGeometry(296, 34, 189, 21);

    Image = new QLabel(page);
    Image->setObjectName("Image");
    Image->setGeometry(296, 64, 189, 90);
    QPixmap preview(Image->size());
    preview.fill(FromPacked(zolvik::kLcdOffColour));
    Image->setPixmap(preview);

    rgBase = new QGroupBox("  Base", page);
    rgBase->setObjectName("rgBase");
    rgBase->setGeometry(296, 164, 189, 78);
    const char *const baseItems[] = {"Binary", "Hexadecimal", "Decimal"};
    for (int i = 0; i < 3; ++i) {
        auto *item = new QRadioButton(baseItems[i], rgBase);
        item->setGeometry(10, 18 + 18 * i, 170, 17);
        item->setChecked(i == 0);
        connect(item, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                edtCharNameChange(rgBase);
        });
    }

    btnClearChar = new QPushButton("Clean", page);
    btnClearChar->setObjectName("btnClearChar");
    btnClearChar->setGeometry(296, 252, 90, 30);

    LabelArray = new QLabel("New Character Array", page);
    LabelArray->setObjectName("LabelArray");
    LabelArray->setGeometry(16, 440, 200, 16);
    edtArray = new QLineEdit(page);
    edtArray->setObjectName("edtArray");
    edtArray->setGeometry(16, 458, 620, 21);

    connect(edtCharName, &QLineEdit::textChanged, this,
            [this] { edtCharNameChange(edtCharName); });
    connect(btnClearChar, &QPushButton::clicked, this, [this] { btnClearCharClick(btnClearChar); });
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
                                FromPacked(on ? zolvik::kLcdOnColour : zolvik::kLcdOffColour));
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
    preview.fill(FromPacked(zolvik::kLcdOffColour));
    Image->setPixmap(preview);
    BuildLcdArray();
}

void TfrmMain::gridCoord1DrawCell(QObject *, int ACol, int ARow, const QRect &Rect,
                                  QPainter *Canvas) noexcept
{
    const bool on = LcdCharPixels[zolvik::LcdIndex(ACol, ARow)] == 1;
    Canvas->fillRect(Rect, FromPacked(on ? zolvik::kLcdOnColour : zolvik::kLcdOffColour));
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
