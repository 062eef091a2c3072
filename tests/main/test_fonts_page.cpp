// The "Fonts" page driven as a user would: its two buttons, their dialogs, files and messages.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>
#include <optional>

#include "main/page_fonts_glyphs.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_fixture.h"

using zolvik_test::CapturedBox;
using zolvik_test::ReadFile;
using zolvik_test::WriteFile;

namespace {

const QString kDone = QString::fromUtf8("Conversão conluída.");
const QString kNot48 = QString::fromUtf8("Imagem deve estar no padrão 48x48");

class FontsPage : public zolvik_test::WindowTest {
protected:
    void TearDown() override
    {
        for (const QString &path : headersToRemove)
            QFile::remove(path);
        if (!previousCurrent.isEmpty())
            QDir::setCurrent(previousCurrent);
        WindowTest::TearDown();
    }

    // A header written beside the executable, removed after the test.
    QString HeaderBesideExecutable(int fontId)
    {
        const QString path = QDir(QCoreApplication::applicationDirPath())
                                 .filePath(QString("fontmap%1.h").arg(fontId));
        headersToRemove << path;
        QFile::remove(path);
        return path;
    }

    void WorkIn(const QString &folder)
    {
        previousCurrent = QDir::currentPath();
        QDir::setCurrent(folder);
    }

    // Clicks "Create BMB file ..." and picks `path` in its dialog; returns the message box
    // that follows.
    std::shared_ptr<CapturedBox> ConvertSheet(const QString &path)
    {
        prompts.Answer(path);
        auto box = CaptureNextMessageBox();
        Find<QPushButton>("Button6")->click();
        return box;
    }

    // Clicks "Create .H file ...", chooses `font` and answers the ID box with `idText`, or
    // cancels it when there is none; returns the message box that follows.
    std::shared_ptr<CapturedBox> GenerateHeader(const QFont &font, std::optional<QString> idText)
    {
        prompts.AnswerFont(font);
        prompts.Answer(idText);
        auto box = CaptureNextMessageBox();
        Find<QPushButton>("btnFont")->click();
        return box;
    }

    // The box that ends a conversion that went well.
    static void ExpectDone(const CapturedBox &box)
    {
        ASSERT_TRUE(box.seen);
        EXPECT_EQ(box.text, kDone);
        EXPECT_EQ(box.caption, TfrmMain::ApplicationTitle());
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    }

    QStringList headersToRemove;
    QString previousCurrent;
};

// A sheet whose tile (column, row) is filled with red = tile number + 1, green 0x11,
// blue 0x22.
QImage TiledSheet(int columns, int rows)
{
    QImage sheet(columns * 48, rows * 48, QImage::Format_RGB32);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 48; ++x)
                    sheet.setPixel(column * 48 + x, row * 48 + y,
                                   qRgb(row * columns + column + 1, 0x11, 0x22));
    return sheet;
}

// The red byte of every record's first pixel.
QList<int> RecordOrder(const QByteArray &bytes)
{
    QList<int> order;
    for (qsizetype at = 0; at < bytes.size(); at += 6912)
        order << static_cast<std::uint8_t>(bytes[at]);
    return order;
}

}  // namespace

TEST_F(FontsPage, TwoButtonsSideBySideWithPicturesBelowTheirCaptions)
{
    TfrmMain &frm = Open();
    auto *font = Find<QPushButton>("btnFont");
    auto *icons = Find<QPushButton>("Button6");
    EXPECT_EQ(font->text(), "Create .H file from a Windows Source");
    EXPECT_EQ(icons->text(), "Create BMB file from a 48x48 bitmap");
    EXPECT_EQ(font->parentWidget(), frm.TabSheet4);
    EXPECT_EQ(icons->parentWidget(), frm.TabSheet4);
    EXPECT_EQ(font->geometry().top(), icons->geometry().top());
    EXPECT_LT(font->geometry().right(), icons->geometry().left());
    EXPECT_FALSE(font->icon().isNull());
    EXPECT_FALSE(icons->icon().isNull());

    // Their pictures show below their captions.
    // Where the button's drawing changes when `change` is applied and undone.
    const auto changedArea = [](QPushButton *button, const std::function<void(bool)> &change) {
        const QImage drawn = button->grab().toImage();
        change(true);
        const QImage without = button->grab().toImage();
        change(false);
        QRect area;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != without.pixel(x, y))
                    area |= QRect(x, y, 1, 1);
        return area;
    };
    for (const char *name : {"btnFont", "Button6"}) {
        auto *button = Find<QPushButton>(name);
        const QString caption = button->text();
        const QIcon picture = button->icon();
        const QRect captionArea =
            changedArea(button, [&](bool off) { button->setText(off ? QString() : caption); });
        const QRect pictureArea =
            changedArea(button, [&](bool off) { button->setIcon(off ? QIcon() : picture); });
        ASSERT_FALSE(captionArea.isEmpty()) << name;
        ASSERT_FALSE(pictureArea.isEmpty()) << name;
        EXPECT_GT(pictureArea.top(), captionArea.bottom()) << name;
    }
}

TEST_F(FontsPage, OneIconWithPureRedAndPureBlueFromThePrefilledDialog)
{
    Open();
    QTemporaryDir folder;
    QImage sheet(48, 48, QImage::Format_RGB32);
    sheet.fill(qRgb(255, 0, 0));
    sheet.setPixel(1, 0, qRgb(0, 0, 255));
    const QString input = folder.filePath("icones.bmp");
    ASSERT_TRUE(sheet.save(input, "BMP"));

    const auto box = ConvertSheet(input);
    ASSERT_EQ(prompts.Asked().size(), 2);
    const zolvik_test::Question dialog = prompts.Asked().constFirst();
    EXPECT_EQ(dialog.kind, zolvik_test::Question::OpenFile);
    EXPECT_EQ(dialog.file.filter, "*.bmp (*.bmp)");
    EXPECT_EQ(dialog.file.fileName, "icones.bmp");
    EXPECT_EQ(dialog.file.defaultSuffix, "");
    ExpectDone(*box);

    const QByteArray bytes = ReadFile(folder.filePath("icones.bmb"));
    ASSERT_EQ(bytes.size(), 6912);
    EXPECT_EQ(bytes.left(9), QByteArray::fromHex("FF00000000FFFF0000"));
    EXPECT_EQ(bytes.right(3), QByteArray::fromHex("FF0000"));
}

TEST_F(FontsPage, TilesInRowMajorOrder)
{
    Open();
    QTemporaryDir folder;
    // A name without extension gets ".bmb" appended, and an old output is replaced.
    ASSERT_TRUE(TiledSheet(1, 1).save(folder.filePath("icones"), "BMP"));
    WriteFile(folder.filePath("icones.bmb"), QByteArray(10000, 'x'));
    const struct {
        int columns, rows;
        QList<int> order;
        QString name;
    } cases[] = {{2, 1, {1, 2}, "sheet96x48.bmp"},
                 {1, 2, {1, 2}, "sheet48x96.bmp"},
                 {2, 2, {1, 2, 3, 4}, "sheet96x96.bmp"},
                 {1, 1, {1}, "icones"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString input = folder.filePath(c.name);
        if (c.name.endsWith(".bmp")) {
            ASSERT_TRUE(TiledSheet(c.columns, c.rows).save(input, "BMP"));
        }
        EXPECT_EQ(ConvertSheet(input)->text, kDone);
        const QByteArray bytes = ReadFile(folder.filePath(c.name.section('.', 0, 0) + ".bmb"));
        ASSERT_EQ(bytes.size(), c.order.size() * 6912);
        EXPECT_EQ(RecordOrder(bytes), c.order);
        EXPECT_EQ(bytes.left(3), QByteArray::fromHex("011122"));
        EXPECT_EQ(bytes.mid(6912 - 2, 2), QByteArray::fromHex("1122"));
    }
}

TEST_F(FontsPage, SheetsThatAreNotBitmapsOrNot48x48TilesGiveTheirMessageAndNoFile)
{
    Open();
    QTemporaryDir folder;
    for (const QSize size : {QSize(100, 48), QSize(48, 50)}) {
        QImage sheet(size, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        ASSERT_TRUE(sheet.save(
            folder.filePath(QString("odd%1x%2.bmp").arg(size.width()).arg(size.height())), "BMP"));
    }
    WriteFile(folder.filePath("notes.bmp"), "these are words, not pixels\n");
    QImage picture(48, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.filePath("photo.bmp"), "PNG"));
    ASSERT_TRUE(picture.save(folder.filePath("whole.bmp"), "BMP"));
    const QByteArray whole = ReadFile(folder.filePath("whole.bmp"));
    WriteFile(folder.filePath("half.bmp"), whole.left(whole.size() / 2));
    const QString invalid = "Bitmap image is not valid.";
    const struct {
        const char *name;
        QString message;
        QMessageBox::Icon icon;
    } cases[] = {{"odd100x48", kNot48, QMessageBox::NoIcon},
                 {"odd48x50", kNot48, QMessageBox::NoIcon},
                 {"notes", invalid, QMessageBox::Critical},
                 {"photo", invalid, QMessageBox::Critical},
                 {"half", invalid, QMessageBox::Critical}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto box = ConvertSheet(folder.filePath(QString(c.name) + ".bmp"));
        EXPECT_EQ(box->text, c.message);
        EXPECT_EQ(box->caption, TfrmMain::ApplicationTitle());
        EXPECT_EQ(box->icon, c.icon);
        EXPECT_FALSE(QFile::exists(folder.filePath(QString(c.name) + ".bmb")));
    }
}

TEST_F(FontsPage, CancelledOrMissingDoesNothingAndAnUncreatableOutputLeavesNothingBehind)
{
    Open();
    QTemporaryDir folder;
    WorkIn(folder.path());
    Find<QPushButton>("btnFont")->click();  // the font dialog cancelled asks nothing more
    ASSERT_EQ(prompts.Asked().size(), 1);
    EXPECT_EQ(prompts.LastAsked().kind, zolvik_test::Question::Font);
    EXPECT_FALSE(ConvertSheet(folder.filePath("typed-but-missing.bmp"))->seen);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());

    ASSERT_TRUE(TiledSheet(1, 1).save(folder.filePath("icones.bmp"), "BMP"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("icones.bmb"));
    const auto box = ConvertSheet(folder.filePath("icones.bmp"));
    EXPECT_EQ(box->text, "Cannot create file \"" + folder.filePath("icones.bmb") +
                             "\". Is a folder, not a file.");
    EXPECT_EQ(box->icon, QMessageBox::Critical);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"icones.bmb", "icones.bmp"}));
}

TEST_F(FontsPage, HeaderBesideTheExecutableAndFieldPictureInTheCurrentFolder)
{
    TfrmMain &frm = Open();
    QTemporaryDir folder;
    WorkIn(folder.path());
    const QString header12 = HeaderBesideExecutable(12);
    const QString header0 = HeaderBesideExecutable(0);
    WriteFile(header12, "an older header\r\n");

    // Bold and italic chosen in the dialog are not used: the glyphs are regular and upright.
    QFont chosen("DejaVu Sans", 16);
    chosen.setBold(true);
    chosen.setItalic(true);
    const auto box = GenerateHeader(chosen, QString("12"));
    ASSERT_EQ(prompts.Asked().size(), 3);
    const zolvik_test::Question idBox = prompts.Asked().at(1);
    EXPECT_EQ(idBox.kind, zolvik_test::Question::Text);
    EXPECT_EQ(idBox.title, "ID da fonte");
    EXPECT_EQ(idBox.text, "Numero entre 0 e 9");
    EXPECT_EQ(idBox.initial, "0");
    ExpectDone(*box);

    QTemporaryDir reference;
    ASSERT_TRUE(GenerateFontFiles("DejaVu Sans", 16, 12, frm.screen()->logicalDotsPerInchY(),
                                  reference.filePath("campo.bmp"), reference.path()));
    const QByteArray written = ReadFile(header12);
    EXPECT_TRUE(written.startsWith("//DejaVu Sans 16\r\n"));
    EXPECT_EQ(written, ReadFile(reference.filePath("fontmap12.h")));
    EXPECT_EQ(ReadFile(folder.filePath("campo.bmp")), ReadFile(reference.filePath("campo.bmp")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"campo.bmp"});

    // A cancelled ID box goes on with ID 0.
    EXPECT_EQ(GenerateHeader(QFont("DejaVu Sans", 16), std::nullopt)->text, kDone);
    ASSERT_EQ(prompts.Asked().size(), 6);
    EXPECT_EQ(prompts.Asked().at(4).kind, zolvik_test::Question::Text);
    EXPECT_EQ(prompts.Asked().at(4).initial, "0");
    const QByteArray second = ReadFile(header0);
    EXPECT_TRUE(second.contains("\r\nconst char fontmap0["));
    EXPECT_TRUE(second.contains("\r\ntFONTBIN fontbin0 = {\r\n"));
    EXPECT_EQ(QString::fromLatin1(second)
                  .replace("fontmap0", "fontmap12")
                  .replace("fontbin0", "fontbin12"),
              QString::fromLatin1(written));
}
