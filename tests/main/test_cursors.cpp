#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "tests/main/pixel_grid_driver.h"
#include "tests/support/file_bytes.h"

using namespace zolvik_test;

namespace {

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kSilver(192, 192, 192), kGreen(0, 128, 0);
const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kGrey(128, 128, 128), kAqua(0, 255, 255);

QByteArray Repeat(const QByteArray &piece, int times)
{
    QByteArray text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

class CursorsPage : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(files.isValid());
        TfrmMain &frm = Open();
        Find<QTabWidget>("PageControl")->setCurrentIndex(3);
        frm.show();
        grid = Find<QTableWidget>("stg_Cursor");
    }

    QString FilePath(const QString &name) const { return QDir(files.path()).filePath(name); }

    // Answers the next file dialog with `path`; an empty path cancels it.
    void ChooseFile(const QString &path)
    {
        prompts.Answer(path.isEmpty() ? std::nullopt : std::optional(path));
    }

    std::shared_ptr<CapturedBox> ChooseFileThenCaptureBox(const QString &path)
    {
        ChooseFile(path);
        return CaptureNextMessageBox();
    }

    // The last question was a file dialog of `kind` with `filter` and `suffix`.
    void ExpectFileDialog(Question::Kind kind, const QString &filter, const QString &suffix) const
    {
        const Question asked = prompts.LastAsked();
        EXPECT_EQ(asked.kind, kind);
        EXPECT_EQ(asked.file.filter, filter);
        EXPECT_EQ(asked.file.defaultSuffix, suffix);
        EXPECT_EQ(asked.file.fileName, "");
    }

    void ChooseCode(int code)
    {
        const auto items = Find<QGroupBox>("rad_CurColor")->findChildren<QRadioButton *>();
        QTest::mouseClick(items.at(code), Qt::LeftButton, {},
                          QPoint(6, items.at(code)->height() / 2));
    }

    void Click(const char *button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

    QString Text(int column, int row) const { return grid->item(row, column)->text(); }

    std::int32_t Pixel(int column, int row) const
    {
        return window->CursorPixels[64 * column + row];
    }

    int CellsWithText(const QString &text) const
    {
        int count = 0;
        for (int x = 0; x < 64; ++x)
            for (int y = 0; y < 64; ++y)
                count += Text(x, y) == text;
        return count;
    }

    QTemporaryDir files;
    QTableWidget *grid = nullptr;
};

const QByteArray kCleanHeader = "const unsigned char cursor[1024] = {\r\n" +
                                Repeat(Repeat("0xAA,", 16) + "\r\n", 64) + "};\r\n";

}  // namespace

TEST_F(CursorsPage, ControlsAtTheirPlacesAndTheCleanPicture)
{
    EXPECT_EQ(grid->geometry().size(), QSize(640, 640));
    EXPECT_EQ(grid->rowCount(), 64);
    EXPECT_EQ(grid->columnCount(), 64);
    EXPECT_EQ(grid->viewport()->size(), QSize(640, 640));
    EXPECT_EQ(grid->visualRect(grid->model()->index(5, 7)), QRect(70, 50, 10, 10));
    EXPECT_FALSE(grid->showGrid());
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(Find<QLabel>("PanelCurTitle")->text(), "Create a Image Cursor 64x64");
    auto *colours = Find<QGroupBox>("rad_CurColor");
    EXPECT_EQ(colours->title(), "  Pixel Color ");
    const auto items = colours->findChildren<QRadioButton *>();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "Color for Palette 0");
    EXPECT_EQ(items[1]->text(), "Color for Palette 1");
    EXPECT_EQ(items[2]->text(), "Transparent");
    EXPECT_EQ(items[3]->text(), "Transparent Inverted");
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_EQ(Find<QPushButton>("btn_CurCreate")->text(), "Create File ,H");
    EXPECT_EQ(Find<QPushButton>("btn_CurSaveBin")->text(), "Save BIN");
    EXPECT_EQ(Find<QPushButton>("btn_CurLoadBin")->text(), "Load BIN");
    EXPECT_EQ(Find<QPushButton>("btn_CurClear")->text(), "Clean");
    EXPECT_EQ(Find<QPushButton>("btn_CurShape1")->text(), "+");
    EXPECT_EQ(Find<QPushButton>("btn_CurShape2")->text(), "X");
    EXPECT_EQ(Find<QPushButton>("btn_CurShape3")->text(), "#");
    EXPECT_EQ(Find<QLabel>("LabelCurXPoint")->text(), "Point X Cursor");
    EXPECT_EQ(Find<QLabel>("LabelCurYPoint")->text(), "Point Y Cursor");
    for (const char *name : {"spi_CurXPoint", "spi_CurYPoint"}) {
        auto *spin = Find<QSpinBox>(name);
        EXPECT_EQ(spin->minimum(), 0);
        EXPECT_EQ(spin->maximum(), 63);
        EXPECT_EQ(spin->value(), 31);
    }
    // Silver with a grey hot spot.
    EXPECT_EQ(CellsWithText("2"), 4096);
    EXPECT_EQ(Pixel(0, 0), 2);
    EXPECT_EQ(Pixel(63, 63), 2);
    const QImage shown = Picture(grid);
    for (int x = 0; x < 64; ++x)
        for (int y = 0; y < 64; ++y)
            ASSERT_EQ(ShownColour(shown, grid, x, y), x == 31 && y == 31 ? kGrey : kSilver)
                << x << "," << y;
}

TEST_F(CursorsPage, PressPaintsWithTheCurrentCodeAndHotSpotFollowsTheSpinEdits)
{
    ChooseCode(3);
    PressCell(grid, 31, 31);
    ReleaseOnCell(grid, 31, 31);
    EXPECT_EQ(Text(31, 31), "3");
    EXPECT_EQ(Pixel(31, 31), 3);
    EXPECT_EQ(ShownColour(Picture(grid), grid, 31, 31), kAqua);

    auto *spinX = Find<QSpinBox>("spi_CurXPoint");
    QTest::keyClick(spinX, Qt::Key_Down);
    EXPECT_EQ(spinX->value(), 30);
    QImage shown = Picture(grid);
    EXPECT_EQ(ShownColour(shown, grid, 31, 31), kGreen);
    EXPECT_EQ(ShownColour(shown, grid, 30, 31), kGrey);

    // A spin-edit text that is not a number puts the hot spot in column 0.
    spinX->selectAll();
    QTest::keyClick(spinX, Qt::Key_Delete);
    ASSERT_EQ(spinX->text(), "");
    shown = Picture(grid);
    EXPECT_EQ(ShownColour(shown, grid, 0, 31), kGrey);
    EXPECT_EQ(ShownColour(shown, grid, 30, 31), kSilver);
    QTest::keyClicks(spinX, "5");
    Find<QSpinBox>("spi_CurYPoint")->setValue(6);
    shown = Picture(grid);
    EXPECT_EQ(ShownColour(shown, grid, 5, 6), kGrey);
    EXPECT_EQ(ShownColour(shown, grid, 0, 31), kSilver);

    // Each code as the hot spot's mark and as the fill of any other cell.
    const struct {
        int code;
        QColor mark, fill;
    } colours[] = {
        {0, kRed, kBlack}, {1, kYellow, kWhite}, {2, kGrey, kSilver}, {3, kAqua, kGreen}};
    for (const auto &c : colours) {
        ChooseCode(c.code);
        PressCell(grid, 5, 6);
        EXPECT_EQ(ShownColour(Picture(grid), grid, 5, 6), c.mark) << c.code;
        PressCell(grid, 9, 9);
        EXPECT_EQ(ShownColour(Picture(grid), grid, 9, 9), c.fill) << c.code;
    }
}

TEST_F(CursorsPage, PressOnTheSelectedCellPaintsItAgain)
{
    for (auto [code, text] : {std::pair{0, "0"}, {1, "1"}}) {
        ChooseCode(code);
        PressCell(grid, 4, 4);
        ReleaseOnCell(grid, 4, 4);
        EXPECT_EQ(Text(4, 4), text);
    }
    EXPECT_EQ(Pixel(4, 4), 1);
    EXPECT_EQ(CellsWithText("2"), 4095);
}

TEST_F(CursorsPage, DragPaintsEveryCellThePointerEntersAndKeysMoveOn)
{
    ChooseCode(1);
    PressCell(grid, 0, 0);
    MoveOverCell(grid, 1, 0, true);
    MoveOverCell(grid, 2, 0, true);
    MoveOverCell(grid, 2, 1, true);
    ReleaseOnCell(grid, 2, 1);
    MoveOverCell(grid, 5, 5, false);
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {2, 1}}) {
        EXPECT_EQ(Text(x, y), "1") << x << "," << y;
        EXPECT_EQ(Pixel(x, y), 1);
    }
    EXPECT_EQ(Text(5, 5), "2");
    EXPECT_EQ(CellsWithText("1"), 4);

    ChooseCode(0);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(Text(3, 1), "0");
    EXPECT_EQ(Text(3, 2), "0");
    EXPECT_EQ(Pixel(3, 2), 0);
    EXPECT_EQ(CellsWithText("0"), 2);
    const QImage shown = Picture(grid);
    EXPECT_EQ(ShownColour(shown, grid, 3, 2), kBlack);
    EXPECT_EQ(ShownColour(shown, grid, 2, 1), kWhite);
}

TEST_F(CursorsPage, TypedKeysMoveNothingAndTheEdgeKeysMoveAndPaint)
{
    ChooseCode(1);
    // Every cell reads "2": a table would jump to the next cell starting with the typed "2".
    QTest::keyClicks(grid, "2 20a");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Plus, Qt::Key_Delete})
        QTest::keyClick(grid, key);
    EXPECT_EQ(CellsWithText("2"), 4096);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->currentColumn(), 0);

    struct Move {
        Qt::Key key;
        int column, row;
    };
    for (const Move &move : {Move{Qt::Key_End, 63, 0}, Move{Qt::Key_PageDown, 63, 63},
                             Move{Qt::Key_Home, 0, 63}, Move{Qt::Key_PageUp, 0, 0}}) {
        QTest::keyClick(grid, move.key);
        EXPECT_EQ(Text(move.column, move.row), "1") << move.column << "," << move.row;
    }
    EXPECT_EQ(CellsWithText("1"), 4);
}

TEST_F(CursorsPage, ShapesStampTheirCellsWithTheCurrentCode)
{
    ChooseCode(0);
    Click("btn_CurShape1");
    EXPECT_EQ(CellsWithText("0"), 252);
    EXPECT_EQ(Text(0, 31), "0");
    EXPECT_EQ(Text(32, 63), "0");

    ChooseCode(1);
    Click("btn_CurShape3");
    EXPECT_EQ(CellsWithText("1"), 252);
    EXPECT_EQ(CellsWithText("0"), 252 - 8);  // the eight crossings take the code of "#"
    EXPECT_EQ(Text(21, 31), "1");
    EXPECT_EQ(Text(42, 32), "1");

    Click("btn_CurClear");
    EXPECT_EQ(CellsWithText("2"), 4096);
    ChooseCode(3);
    Click("btn_CurShape2");
    EXPECT_EQ(CellsWithText("3"), 128);
    for (auto [x, y] :
         {std::pair{0, 0}, {63, 63}, {63, 0}, {0, 63}, {31, 31}, {32, 32}, {32, 31}, {31, 32}})
        EXPECT_EQ(Pixel(x, y), 3) << x << "," << y;
}

TEST_F(CursorsPage, HeaderOfTheCleanPictureThroughTheDialogAndCancelledDialogsChangeNothing)
{
    ChooseFile(FilePath("cursor.h"));
    Click("btn_CurCreate");
    ExpectFileDialog(Question::SaveFile, "*.h (*.h)", "h");
    const QByteArray header = ReadFile(FilePath("cursor.h"));
    EXPECT_EQ(header.size(), 5290);
    EXPECT_EQ(header, kCleanHeader);
    QFile::remove(FilePath("cursor.h"));

    // Cancelled dialogs change nothing.
    ChooseFile(QString());
    Click("btn_CurCreate");
    ChooseFile(QString());
    Click("btn_CurSaveBin");
    EXPECT_TRUE(QDir(files.path()).entryList(QDir::Files).isEmpty());
    ChooseFile(QString());
    Click("btn_CurLoadBin");
    EXPECT_EQ(CellsWithText("2"), 4096);
}

TEST_F(CursorsPage, BinarySaveAndLoadRoundTrip)
{
    ChooseCode(3);
    Click("btn_CurShape2");
    ChooseCode(0);
    PressCell(grid, 10, 20);
    ReleaseOnCell(grid, 10, 20);
    window->CursorPixels[64 * 11 + 20] = 6;
    window->CursorPixels[64 * 12 + 20] = -5;
    window->CurRefreshGrid();

    ChooseFile(FilePath("picture.bin"));
    Click("btn_CurSaveBin");
    ExpectFileDialog(Question::SaveFile, "*.bin (*.bin)", "bin");
    const QByteArray saved = ReadFile(FilePath("picture.bin"));
    ASSERT_EQ(saved.size(), 16384);
    EXPECT_EQ(saved.mid(0, 8), QByteArray("\x03\x00\x00\x00\x02\x00\x00\x00", 8));
    EXPECT_EQ(saved.mid(4 * (64 * 11 + 20), 4), QByteArray("\x06\x00\x00\x00", 4));
    EXPECT_EQ(saved.mid(4 * (64 * 12 + 20), 4), QByteArray("\xFB\xFF\xFF\xFF", 4));

    std::vector<std::int32_t> before(std::begin(window->CursorPixels),
                                     std::end(window->CursorPixels));
    Click("btn_CurClear");
    ChooseFile(FilePath("picture.bin"));
    Click("btn_CurLoadBin");
    ExpectFileDialog(Question::OpenFile, "*.bin (*.bin)", "bin");
    EXPECT_EQ(
        std::vector<std::int32_t>(std::begin(window->CursorPixels), std::end(window->CursorPixels)),
        before);
    EXPECT_EQ(Text(10, 20), "0");
    EXPECT_EQ(Text(11, 20), "6");
    EXPECT_EQ(Text(12, 20), "-5");
    EXPECT_EQ(Text(0, 0), "3");
    const QImage shown = Picture(grid);
    EXPECT_EQ(ShownColour(shown, grid, 11, 20), kGreen);
    EXPECT_EQ(ShownColour(shown, grid, 12, 20), kGreen);

    // The header writes only the low two bits: 6 goes out as code 2.
    ChooseFile(FilePath("picture.h"));
    Click("btn_CurCreate");
    const QList<QByteArray> lines = ReadFile(FilePath("picture.h")).split('\n');
    ASSERT_EQ(lines.size(), 67);
    // Row 20, columns 8 to 15: 2 2 0 6 and -5 2 2 2.
    EXPECT_EQ(lines[21].mid(10, 10), "0xA2,0xEA,");
}

TEST_F(CursorsPage, ShortAndLongFilesLoadTheirLeadingBytes)
{
    WriteFile(FilePath("empty.bin"), QByteArray());
    ChooseFile(FilePath("empty.bin"));
    Click("btn_CurLoadBin");
    EXPECT_EQ(CellsWithText("2"), 4096);

    WriteFile(FilePath("six.bin"), QByteArray("\x01\x00\x00\x00\x03\x00", 6));
    window->CursorPixels[1] = 0x11223344;
    ChooseFile(FilePath("six.bin"));
    Click("btn_CurLoadBin");
    EXPECT_EQ(Pixel(0, 0), 1);
    EXPECT_EQ(Pixel(0, 1), 0x11220003);
    EXPECT_EQ(Text(0, 0), "1");
    EXPECT_EQ(Text(0, 1), QString::number(0x11220003));
    EXPECT_EQ(Text(0, 2), "2");
    EXPECT_EQ(CellsWithText("2"), 4094);

    QByteArray big;
    for (int i = 0; i < 4096; ++i)
        big += QByteArray("\x01\x00\x00\x00", 4);
    big += QByteArray(20000 - 16384, '\x03');
    WriteFile(FilePath("big.bin"), big);
    ChooseFile(FilePath("big.bin"));
    Click("btn_CurLoadBin");
    EXPECT_EQ(CellsWithText("1"), 4096);
}

TEST_F(CursorsPage, FilesThatCannotBeUsedAreReportedAndChangeNothing)
{
    const QString pipe = FilePath("pipe.bin"), kept = FilePath("kept.h");
    const QString uncreatable = FilePath("no such folder/cursor.h");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0666), 0);  // refused at once
    WriteFile(kept, "mine");  // read-only: not replaced even by root
    ASSERT_TRUE(
        QFile::setPermissions(kept, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const struct {
        QString path;
        const char *button, *message;
    } cases[] = {
        {FilePath("missing.bin"), "btn_CurLoadBin",
         "Cannot open file \"%1\". No such file or directory."},
        {pipe, "btn_CurLoadBin",
         "Cannot open file \"%1\". Is a FIFO (named pipe), not a regular file."},
        {kept, "btn_CurCreate", "Cannot create file \"%1\". Permission denied."},
        {uncreatable, "btn_CurCreate", "Cannot create file \"%1\". No such file or directory."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        auto box = ChooseFileThenCaptureBox(c.path);
        Click(c.button);
        ASSERT_TRUE(box->seen);
        EXPECT_EQ(box->icon, QMessageBox::Critical);
        EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
        EXPECT_EQ(box->text, QString(c.message).arg(c.path));
        EXPECT_EQ(CellsWithText("2"), 4096);
    }
    EXPECT_EQ(ReadFile(kept), "mine");
    EXPECT_FALSE(QFileInfo::exists(uncreatable));
}

TEST_F(CursorsPage, SaveThatFailsHalfWayLeavesNoFile)
{
    // Files of this process may grow to 4 KiB only: the 16 KiB binary fails part-way.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString path = FilePath("picture.bin");
    auto box = ChooseFileThenCaptureBox(path);
    Click("btn_CurSaveBin");
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(box->seen);
    EXPECT_EQ(box->text,
              "Cannot write file \"" + path + "\". File too large; the file was not saved.");
    EXPECT_TRUE(QDir(files.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(CursorsPage, ImportTakesA64x64PictureAndRefusesAnyOtherSize)
{
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixelColor(0, 0, Qt::black);
    picture.setPixelColor(63, 0, Qt::white);
    ASSERT_TRUE(picture.save(FilePath("arrow.png")) &&
                picture.scaled(32, 32).save(FilePath("small.bmp")));
    ChooseFile(FilePath("arrow.png"));
    Click("btn_CurImport");
    ExpectFileDialog(Question::OpenFile, "Pictures (*.png *.bmp)", "");
    auto box = ChooseFileThenCaptureBox(FilePath("small.bmp"));
    Click("btn_CurImport");
    EXPECT_EQ(box->text, "The cursor picture must be 64x64 pixels, not 32x32.");
    // The picture imported first, kept through the refusal.
    EXPECT_EQ(Text(0, 0) + Text(63, 0), "01");
    EXPECT_EQ(CellsWithText("2"), 4094);
}
