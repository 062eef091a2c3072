// The fonts page's options panel: each option reaches the header and icon engines as chosen,
// and the preview follows the options before anything is written.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include <functional>

#include "main/page_fonts_options.h"
#include "render/font_preview.h"
#include "render/icon_sheet.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_fixture.h"
#include "tools/icon_header_text.h"

using zolvik::GlyphLayout;
using zolvik::PixelFormat;
using zolvik_test::ReadFile;

namespace {

const QFont kFont("DejaVu Sans", 12);

class FontOptionsPanel : public zolvik_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        previousCurrent = QDir::currentPath();
        QDir::setCurrent(work.path());  // where "campo.bmp" goes
    }
    void TearDown() override
    {
        // Only the test that writes the header removes it: ctest runs this fixture's tests
        // side by side, and the header lands beside the shared executable.
        if (wroteHeader)
            QFile::remove(HeaderPath());
        QDir::setCurrent(previousCurrent);
        WindowTest::TearDown();
    }

    static QString HeaderPath()
    {
        return QDir(QCoreApplication::applicationDirPath()).filePath("fontmap3.h");
    }

    void SetFontOptions(const FontOptions &options)
    {
        Find<QSpinBox>("spiFontFirst")->setValue(options.first);
        Find<QSpinBox>("spiFontLast")->setValue(options.last);
        Find<QCheckBox>("cbxFontProportional")->setChecked(options.proportional);
        Find<QComboBox>("cbbFontLayout")
            ->setCurrentText(QString::fromUtf8(zolvik::GlyphLayoutName(options.layout).data()));
        Find<QComboBox>("cbbFontForm")->setCurrentText(options.arrayForm ? "array" : "string");
        Find<QLineEdit>("edtFontName")->setText(QString::fromStdString(options.name));
        Find<QCheckBox>("cbxFontKeepMissing")->setChecked(options.keepMissing);
    }

    QImage Preview() { return Find<QLabel>("imgFontPreview")->pixmap().toImage(); }

    QTemporaryDir work;
    QString previousCurrent;
    bool wroteHeader = false;
};

}  // namespace

TEST_F(FontOptionsPanel, FontOptionsGiveTheHeaderOfTheEngine)
{
    TfrmMain &frm = Open();
    const FontOptions cases[] = {
        {32, 126, false, GlyphLayout::Rows, false, "", false},
        {65, 90, false, GlyphLayout::Pages, false, "", true},
        {0, 255, true, GlyphLayout::Rows, false, "", false},
        {48, 57, true, GlyphLayout::Pages, true, "digits", false},
        {0, 127, false, GlyphLayout::Rows, true, "", true},
    };
    for (const FontOptions &options : cases) {
        SCOPED_TRACE(testing::Message() << options.first << "-" << options.last << " prop "
                                        << options.proportional << " array " << options.arrayForm);
        SetFontOptions(options);
        prompts.AnswerFont(kFont);
        prompts.Answer(QString("3"));
        auto box = CaptureNextMessageBox();
        wroteHeader = true;
        Find<QPushButton>("btnFont")->click();
        EXPECT_EQ(box->text, QString::fromUtf8("Conversão conluída."));
        const std::optional<FontOutput> expected =
            ComposeFontOutput(kFont.family(), 12, 3, frm.screen()->logicalDotsPerInchY(), options);
        ASSERT_TRUE(expected);
        EXPECT_EQ(ReadFile(HeaderPath()).toStdString(), expected->header);
    }
}

TEST_F(FontOptionsPanel, PreviewShowsTheWrittenGlyphsAndFollowsEachOption)
{
    TfrmMain &frm = Open();
    EXPECT_TRUE(Preview().isNull());
    prompts.AnswerFont(kFont);
    Find<QPushButton>("btnFontPreviewFont")->click();
    EXPECT_EQ(Find<QLabel>("lblFontPreviewFont")->text(), "DejaVu Sans 12");
    QImage shown = Preview();
    ASSERT_FALSE(shown.isNull());
    // Each option that changes the written glyphs changes the picture.
    const std::function<void()> changes[] = {
        [&] { Find<QSpinBox>("spiFontFirst")->setValue(65); },
        [&] { Find<QSpinBox>("spiFontLast")->setValue(70); },
        [&] { Find<QCheckBox>("cbxFontProportional")->setChecked(true); },
        [&] { Find<QSpinBox>("spiFontFirst")->setValue(0); },
        [&] { Find<QCheckBox>("cbxFontKeepMissing")->setChecked(true); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        changes[i]();
        const QImage now = Preview();
        EXPECT_NE(now, shown) << "change " << i;
        shown = now;
    }
    // What is shown is the engine's glyphs at twice their size.
    const std::optional<FontGlyphs> glyphs = RenderFontGlyphs(
        "DejaVu Sans", 12, 0, frm.screen()->logicalDotsPerInchY(), ChosenFontOptions(frm));
    ASSERT_TRUE(glyphs);
    const QImage drawn = FontPreviewImage(*glyphs, shown.width() / 2);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              drawn.scaled(drawn.size() * 2).convertToFormat(QImage::Format_RGB32));
}

TEST_F(FontOptionsPanel, IconOptionsGiveTheBytesOfTheEngine)
{
    Open();
    // A 32 x 16 PNG with transparency: two 16 x 16 tiles, or one 32 x 16 tile.
    QImage sheet(32, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            sheet.setPixel(x, y, qRgba(x * 8, y * 16, 0x5A, x < 16 ? 0xFF : 0x40));
    const QString input = work.filePath("icons.png");
    ASSERT_TRUE(sheet.save(input, "PNG"));
    const QImage decoded = DecodeTileSheet(ReadFile(input));
    const struct {
        const char *format;
        zolvik::TileSize tile;
        const char *header;  // nullptr: raw records
    } cases[] = {
        {"rgb565", {16, 16}, nullptr},
        {"argb8888", {32, 16}, nullptr},
        {"mono", {16, 16}, "icons"},
        {"rgb565be", {32, 16}, "wide"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        Find<QComboBox>("cbbIconFormat")->setCurrentText(c.format);
        Find<QSpinBox>("spiIconTileW")->setValue(c.tile.width);
        Find<QSpinBox>("spiIconTileH")->setValue(c.tile.height);
        Find<QCheckBox>("cbxIconHeader")->setChecked(c.header != nullptr);
        if (c.header)
            Find<QLineEdit>("edtIconHeaderName")->setText(c.header);
        prompts.Answer(input);
        auto box = CaptureNextMessageBox();
        Find<QPushButton>("Button6")->click();
        EXPECT_EQ(box->text, QString::fromUtf8("Conversão conluída."));
        const PixelFormat format = *zolvik::PixelFormatNamed(c.format);
        const std::vector<std::uint8_t> records = *TileSheetRecords(decoded, c.tile, format);
        const std::string expected =
            c.header ? zolvik::IconHeaderText(c.header, c.tile, 32 / c.tile.width, format, records)
                     : std::string(records.begin(), records.end());
        EXPECT_EQ(ReadFile(work.filePath(c.header ? "icons.h" : "icons.bmb")).toStdString(),
                  expected);
    }
    EXPECT_EQ(prompts.Asked().constFirst().file.filter, "Bitmaps (*.bmp *.png)");
}
