#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "tests/main/pixel_grid_driver.h"
#include "tests/support/file_bytes.h"
#include "tests/tools/c_compiler.h"
#include "tools/lcd_array_parse.h"
#include "tools/lcd_cgram_set.h"

using namespace zolvik_test;

namespace {

const QColor kOn(255, 255, 255), kOff(0, 0, 255);

QString Row(const QString &element, int times = 8)
{
    QStringList elements;
    for (int i = 0; i < times; ++i)
        elements << element;
    return elements.join(", ");
}

const QString kEmptyBinary = "u8 newArrray[8] = {" + Row("0b00000") + "};";

class LcdPage : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        TfrmMain &frm = Open();
        Find<QTabWidget>("PageControl")->setCurrentIndex(8);
        frm.show();
        grid = Find<QTableWidget>("gridCoord1");
        array = Find<QLineEdit>("edtArray");
        name = Find<QLineEdit>("edtCharName");
    }

    void Toggle(int column, int row)
    {
        PressCell(grid, column, row);
        ReleaseOnCell(grid, column, row);
    }

    void ChooseBase(int index)
    {
        const auto items = Find<QGroupBox>("rgBase")->findChildren<QRadioButton *>();
        QTest::mouseClick(items.at(index), Qt::LeftButton, {},
                          QPoint(6, items.at(index)->height() / 2));
    }

    QImage Preview() const { return Find<QLabel>("Image")->pixmap().toImage(); }

    // Whether the preview shows pixel (c, r) lit, checked at all four corners of its square.
    bool PreviewLit(const QImage &preview, int c, int r) const
    {
        const int left = 79 + 6 * c, top = 21 + 6 * r;
        const QColor colour = preview.pixelColor(left, top);
        EXPECT_EQ(preview.pixelColor(left + 3, top + 3), colour);
        EXPECT_EQ(preview.pixelColor(left + 3, top), colour);
        EXPECT_EQ(preview.pixelColor(left, top + 3), colour);
        EXPECT_TRUE(colour == kOn || colour == kOff);
        return colour == kOn;
    }

    int WhitePixelsInPreview() const
    {
        const QImage preview = Preview();
        int count = 0;
        for (int y = 0; y < preview.height(); ++y)
            for (int x = 0; x < preview.width(); ++x)
                count += preview.pixelColor(x, y) == kOn;
        return count;
    }

    QTableWidget *grid = nullptr;
    QLineEdit *array = nullptr;
    QLineEdit *name = nullptr;
};

}  // namespace

TEST_F(LcdPage, ControlsAtTheirPlaces)
{
    EXPECT_EQ(grid->columnCount(), 5);
    EXPECT_EQ(grid->rowCount(), 8);
    EXPECT_TRUE(grid->showGrid());
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::SingleSelection);
    // 50x50 cells, a grid line after each.
    EXPECT_EQ(grid->visualRect(grid->model()->index(7, 4)).size(), QSize(50, 50));
    EXPECT_EQ(grid->viewport()->size(), QSize(5 * 51, 8 * 51));
    EXPECT_EQ(Find<QLabel>("Image")->size(), QSize(189, 90));
    EXPECT_EQ(Preview().size(), QSize(189, 90));
    EXPECT_EQ(Find<QLabel>("LabelCharName")->text(), "Character Name");
    EXPECT_EQ(Find<QLabel>("LabelArray")->text(), "New Character Array");
    EXPECT_EQ(name->text(), "");
    auto *base = Find<QGroupBox>("rgBase");
    EXPECT_EQ(base->title(), "  Base");
    const auto items = base->findChildren<QRadioButton *>();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Binary");
    EXPECT_EQ(items[1]->text(), "Hexadecimal");
    EXPECT_EQ(items[2]->text(), "Decimal");
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_EQ(Find<QPushButton>("btnClearChar")->text(), "Clean");
}

TEST_F(LcdPage, StartsEmptyAndBlue)
{
    EXPECT_EQ(array->text(), kEmptyBinary);
    EXPECT_EQ(WhitePixelsInPreview(), 0);
    const QImage shown = Picture(grid);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 8; ++r)
            EXPECT_EQ(ShownColour(shown, grid, c, r), kOff) << c << "," << r;
}

TEST_F(LcdPage, PressTogglesAndTwiceRestores)
{
    Toggle(0, 0);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {0b10000, " + Row("0b00000", 7) + "};");
    EXPECT_EQ(window->LcdCharPixels[0], 1);
    EXPECT_EQ(ShownColour(Picture(grid), grid, 0, 0), kOn);
    const QImage preview = Preview();
    EXPECT_TRUE(PreviewLit(preview, 0, 0));
    EXPECT_EQ(preview.pixelColor(83, 21), kOff);  // gap between squares
    EXPECT_EQ(preview.pixelColor(79, 25), kOff);
    EXPECT_EQ(WhitePixelsInPreview(), 16);

    Toggle(0, 0);
    EXPECT_EQ(array->text(), kEmptyBinary);
    EXPECT_EQ(WhitePixelsInPreview(), 0);
    EXPECT_EQ(ShownColour(Picture(grid), grid, 0, 0), kOff);
}

TEST_F(LcdPage, CornerPixelsInEveryBase)
{
    Toggle(4, 7);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {" + Row("0b00000", 7) + ", 0b00001};");
    EXPECT_TRUE(PreviewLit(Preview(), 4, 7));
    ChooseBase(1);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {" + Row("0x00", 7) + ", 0x01};");
    ChooseBase(2);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {" + Row("0", 7) + ", 1};");
    Toggle(4, 7);
    Toggle(0, 0);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {16, " + Row("0", 7) + "};");
    ChooseBase(1);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {0x10, " + Row("0x00", 7) + "};");
    ChooseBase(0);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {0b10000, " + Row("0b00000", 7) + "};");
}

TEST_F(LcdPage, DragTogglesEachCellEnteredAndKeysToggleTheNext)
{
    PressCell(grid, 0, 2);
    MoveOverCell(grid, 1, 2, true);
    MoveOverCell(grid, 1, 2, true);  // still the same cell: no second toggle
    MoveOverCell(grid, 2, 2, true);
    ReleaseOnCell(grid, 2, 2);
    MoveOverCell(grid, 4, 4, false);
    EXPECT_EQ(array->text(),
              "u8 newArrray[8] = {0b00000, 0b00000, 0b11100, " + Row("0b00000", 5) + "};");
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(array->text(),
              "u8 newArrray[8] = {0b00000, 0b00000, 0b11100, 0b00110, " + Row("0b00000", 4) + "};");
    const QImage preview = Preview();
    EXPECT_TRUE(PreviewLit(preview, 3, 3));
    EXPECT_FALSE(PreviewLit(preview, 4, 3));
    EXPECT_EQ(WhitePixelsInPreview(), 5 * 16);
}

TEST_F(LcdPage, FullCharacterThenClean)
{
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 8; ++r)
            Toggle(c, r);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {" + Row("0b11111") + "};");
    ChooseBase(1);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {" + Row("0x1F") + "};");
    ChooseBase(2);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {" + Row("31") + "};");
    EXPECT_EQ(WhitePixelsInPreview(), 40 * 16);
    const QImage shown = Picture(grid);
    EXPECT_EQ(ShownColour(shown, grid, 2, 5), kOn);
    // The grid lines stay between the cells.
    EXPECT_NE(shown.pixelColor(grid->viewport()->mapTo(grid, QPoint(50, 10))), kOn);

    QTest::keyClicks(name, "big");
    QTest::mouseClick(Find<QPushButton>("btnClearChar"), Qt::LeftButton);
    EXPECT_EQ(array->text(), "u8 big[8] = {" + Row("0") + "};");  // name and base kept
    EXPECT_EQ(WhitePixelsInPreview(), 0);
    const QImage cleaned = Picture(grid);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 8; ++r)
            EXPECT_EQ(ShownColour(cleaned, grid, c, r), kOff) << c << "," << r;
}

TEST_F(LcdPage, NameStandsAsTypedAndRebuildsReplaceHandEdits)
{
    Toggle(1, 0);
    QTest::keyClicks(name, " my char ");
    EXPECT_EQ(array->text(), "u8  my char [8] = {0b01000, " + Row("0b00000", 7) + "};");
    name->clear();
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {0b01000, " + Row("0b00000", 7) + "};");

    QTest::keyClicks(array, " edited by hand");
    EXPECT_TRUE(array->text().endsWith("edited by hand"));
    ChooseBase(2);
    EXPECT_EQ(array->text(), "u8 newArrray[8] = {8, " + Row("0", 7) + "};");
}

TEST_F(LcdPage, ImportSetsTheCharacterAndRemakesItsTextOrReportsWhatIsWrong)
{
    const struct {
        QString text;
        QString remade;  // in hexadecimal, the chosen base; none for a refused text
        QString message;
    } cases[] = {
        {"u8 arrow[8] = {0b10000, 0b01010, 0b11111, 0b10001, 0b00100, 0b01110, 0b10101, 0b00001};",
         "u8 arrow[8] = {0x10, 0x0A, 0x1F, 0x11, 0x04, 0x0E, 0x15, 0x01};", ""},
        {"{0x00, 0x0a, 0x1F, 0x00, 0x00, 0x00, 0x00, 0x00}",
         "u8 arrow[8] = {0x00, 0x0A, 0x1F, " + Row("0x00", 5) + "};", ""},
        {"u8 newArrray[8] = {16, 0, 3, 0, 0, 0, 0, 1};",
         "u8 newArrray[8] = {0x10, 0x00, 0x03, " + Row("0x00", 4) + ", 0x01};", ""},
        {"0, 10, 32, 17, 4, 14, 21, 1", "", "Value 3 is over 31, wider than 5 pixels: \"32\""},
    };
    ChooseBase(1);
    for (const auto &c : cases) {
        array->setText(c.text);
        const zolvik::LcdCharTable before = std::to_array(window->LcdCharPixels);
        auto box = CaptureNextMessageBox();
        QTest::mouseClick(Find<QPushButton>("btnImportArray"), Qt::LeftButton);
        const auto rows = zolvik::ReadLcdArrayText(c.text.toStdString()).rows;
        EXPECT_EQ(std::to_array(window->LcdCharPixels),
                  rows ? zolvik::LcdCharFromRowBytes(*rows) : before);
        EXPECT_EQ(ShownColour(Picture(grid), grid, 0, 0), window->LcdCharPixels[0] ? kOn : kOff);
        EXPECT_EQ(array->text(), rows ? c.remade : c.text);
        EXPECT_EQ(box->text, c.message);
    }
}

TEST_F(LcdPage, CgramSetKeepsEachCharacterAndWritesThemAsOneArray)
{
    Toggle(0, 0);
    Find<QSpinBox>("spiCgramChar")->setValue(3);
    Toggle(4, 7);
    Find<QSpinBox>("spiCgramChar")->setValue(0);  // character 0 back on the grid, exported from it
    Find<QLineEdit>("edtCgramName")->setText("glyphs");
    prompts.Answer(folder.filePath("glyphs.h"));
    QTest::mouseClick(Find<QPushButton>("btnExportCgram"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("btnCopyCgram"), Qt::LeftButton);
    const zolvik::LcdCgramSet set{{{0x10}, {}, {}, {0, 0, 0, 0, 0, 0, 0, 0x01}}};
    const std::string text = zolvik::LcdCgramSetText("glyphs", set, zolvik::kLcdBaseBinary);
    EXPECT_EQ(ReadFile(folder.filePath("glyphs.h")).toStdString(), text);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
    if (!zolvik::test::HaveGcc())
        GTEST_SKIP() << "gcc is not on the PATH";
    EXPECT_TRUE(zolvik::test::CompileAndRun({{"glyphs.h", text}},
                                            "#include <stdint.h>\n#include \"glyphs.h\"\n"
                                            "int main(void) { return glyphs[3][7]; }\n")
                    .compiled);
}
