// The fonts page's options panel: the font header's range, glyphs, layout and form, the icon
// strip's pixel format, tile and header, and the preview of the glyphs as they will be written.
#include "main/page_fonts_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>

#include "common/errors.h"
#include "main/controls.h"
#include "main/main.h"
#include "platform/prompts.h"
#include "render/font_preview.h"

namespace {

// Each pixel of the preview a square of this side.
constexpr int kPreviewEnlargement = 2;

// A row of a panel: its caption at the left, the control at the right.
constexpr int kCaptionLeft = 10;
constexpr int kControlLeft = 130;
constexpr int kControlWidth = 153;

QString NameOf(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QSpinBox *MakeSpin(QWidget *panel, const char *name, int top, int low, int high, int value)
{
    auto *spin = controls::Make<QSpinBox>(panel, name, {kControlLeft, top, kControlWidth, 22});
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

void MakeCaption(QWidget *panel, const char *caption, int top)
{
    controls::Make<QLabel>(panel, {}, {kCaptionLeft, top + 3}, QString(caption));
}

}  // namespace

int FontPointSize(const QFont &font, qreal dpi)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    if (font.pointSizeF() > 0)
        return qRound(font.pointSizeF());
    return std::max(1, qRound(font.pixelSize() * 72.0 / dpi));
}

FontOptions ChosenFontOptions(const TfrmMain &frm)
{
    FontOptions options;
    options.first = frm.spiFontFirst->value();
    options.last = frm.spiFontLast->value();
    options.proportional = frm.cbxFontProportional->isChecked();
    options.layout = *zolvik::GlyphLayoutNamed(frm.cbbFontLayout->currentText().toStdString());
    options.arrayForm = frm.cbbFontForm->currentText() == "array";
    options.name = frm.edtFontName->text().trimmed().toStdString();
    options.keepMissing = frm.cbxFontKeepMissing->isChecked();
    return options;
}

IconOptions ChosenIconOptions(const TfrmMain &frm)
{
    IconOptions options;
    options.format = *zolvik::PixelFormatNamed(frm.cbbIconFormat->currentText().toStdString());
    options.tile = {frm.spiIconTileW->value(), frm.spiIconTileH->value()};
    if (frm.cbxIconHeader->isChecked()) {
        options.headerName = frm.edtIconHeaderName->text().trimmed().toStdString();
        if (options.headerName.empty())
            throw zolvik::Error("The C header needs a name");
    }
    return options;
}

void TfrmMain::CreateFontOptionsPanel(QWidget *page)
{
    using namespace controls;
    // Right of the two buttons, the font header's options over the icon strip's.
    auto *fontPanel = Framed(Make<QFrame>(page, "PanelFontOptions", {600, 24, 293, 225}),
                             QFrame::Box | QFrame::Plain);
    MakeTitleBar(fontPanel, "PanelFontOptionsTitle", "Font header", 2);
    MakeCaption(fontPanel, "First code", 37);
    spiFontFirst = MakeSpin(fontPanel, "spiFontFirst", 37, 0, 255, 0);
    MakeCaption(fontPanel, "Last code", 63);
    spiFontLast = MakeSpin(fontPanel, "spiFontLast", 63, 0, 255, 255);
    cbxFontProportional = Make<QCheckBox>(fontPanel, "cbxFontProportional", {kCaptionLeft, 89},
                                          QString("Proportional glyphs"));
    MakeCaption(fontPanel, "Layout", 115);
    cbbFontLayout =
        Make<QComboBox>(fontPanel, "cbbFontLayout", {kControlLeft, 115, kControlWidth, 22});
    cbbFontLayout->addItems({"rows", "pages"});
    MakeCaption(fontPanel, "Form", 141);
    cbbFontForm = Make<QComboBox>(fontPanel, "cbbFontForm", {kControlLeft, 141, kControlWidth, 22});
    cbbFontForm->addItems({"string", "array"});
    MakeCaption(fontPanel, "Array name", 167);
    edtFontName = Make<QLineEdit>(fontPanel, "edtFontName", {kControlLeft, 167, kControlWidth, 22});
    edtFontName->setPlaceholderText("font and the ID");
    cbxFontKeepMissing = Make<QCheckBox>(fontPanel, "cbxFontKeepMissing", {kCaptionLeft, 193},
                                         QString("Keep missing glyphs"));

    auto *iconPanel = Framed(Make<QFrame>(page, "PanelIconOptions", {600, 264, 293, 147}),
                             QFrame::Box | QFrame::Plain);
    MakeTitleBar(iconPanel, "PanelIconOptionsTitle", "Icon sheet", 2);
    MakeCaption(iconPanel, "Pixel format", 37);
    cbbIconFormat =
        Make<QComboBox>(iconPanel, "cbbIconFormat", {kControlLeft, 37, kControlWidth, 22});
    for (const zolvik::PixelFormatInfo &info : zolvik::PixelFormats())
        cbbIconFormat->addItem(NameOf(info.name));
    const IconOptions plain;
    MakeCaption(iconPanel, "Tile width", 63);
    spiIconTileW = MakeSpin(iconPanel, "spiIconTileW", 63, 1, 4096, plain.tile.width);
    MakeCaption(iconPanel, "Tile height", 89);
    spiIconTileH = MakeSpin(iconPanel, "spiIconTileH", 89, 1, 4096, plain.tile.height);
    cbxIconHeader =
        Make<QCheckBox>(iconPanel, "cbxIconHeader", {kCaptionLeft, 115}, QString("C header"));
    edtIconHeaderName = Make<QLineEdit>(iconPanel, "edtIconHeaderName",
                                        {kControlLeft, 115, kControlWidth, 22}, QString("icons"));

    // Below the two buttons: the preview and the font it shows.
    btnFontPreviewFont = Make<QPushButton>(page, "btnFontPreviewFont", {24, 150, 265, 28},
                                           QString("Choose font..."));
    lblFontPreviewFont = Make<QLabel>(page, "lblFontPreviewFont", {304, 150, 265, 28});
    scrFontPreview = Make<QScrollArea>(page, "scrFontPreview", {24, 190, 545, 555});
    imgFontPreview = Make<QLabel>(nullptr, "imgFontPreview", {0, 0});
    imgFontPreview->setText("Choose a font to see its glyphs as they will be written.");
    imgFontPreview->adjustSize();
    scrFontPreview->setWidget(imgFontPreview);

    OnClick(btnFontPreviewFont, this, &TfrmMain::btnFontPreviewFontClick);
    On(spiFontFirst, &QSpinBox::valueChanged, this, &TfrmMain::FontOptionChange);
    On(spiFontLast, &QSpinBox::valueChanged, this, &TfrmMain::FontOptionChange);
    On(cbxFontProportional, &QCheckBox::toggled, this, &TfrmMain::FontOptionChange);
    On(cbbFontLayout, &QComboBox::currentIndexChanged, this, &TfrmMain::FontOptionChange);
    On(cbbFontForm, &QComboBox::currentIndexChanged, this, &TfrmMain::FontOptionChange);
    On(cbxFontKeepMissing, &QCheckBox::toggled, this, &TfrmMain::FontOptionChange);
    On(cbxIconHeader, &QCheckBox::toggled, this, &TfrmMain::FontOptionChange);
    TabChain({spiFontFirst, spiFontLast, cbxFontProportional, cbbFontLayout, cbbFontForm,
              edtFontName, cbxFontKeepMissing, cbbIconFormat, spiIconTileW, spiIconTileH,
              cbxIconHeader, edtIconHeaderName, btnFontPreviewFont});
    FontOptionChange();
}

void TfrmMain::FontOptionChange(QObject *)
{
    HandleErrors([&] {
        // The range never runs backwards: the last code follows the first one up.
        spiFontLast->setMinimum(spiFontFirst->value());
        edtFontName->setEnabled(cbbFontForm->currentText() == "array");
        edtIconHeaderName->setEnabled(cbxIconHeader->isChecked());
        RefreshFontPreview();
    });
}

void TfrmMain::btnFontPreviewFontClick(QObject *)
{
    HandleErrors([&] {
        const std::optional<QFont> font = platform::CurrentPrompts().AskFont(this);
        if (!font)
            return;
        RememberPreviewFont(*font);
    });
}

void TfrmMain::RememberPreviewFont(const QFont &font)
{
    FontPreviewFamily = font.family();
    FontPreviewPoints = FontPointSize(font, FontDpi());
    lblFontPreviewFont->setText(QString("%1 %2").arg(FontPreviewFamily).arg(FontPreviewPoints));
    RefreshFontPreview();
}

qreal TfrmMain::FontDpi() const
{
    return screen() ? screen()->logicalDotsPerInchY() : 96.0;
}

void TfrmMain::RefreshFontPreview()
{
    if (FontPreviewFamily.isEmpty())
        return;
    const std::optional<FontGlyphs> glyphs = RenderFontGlyphs(
        FontPreviewFamily, FontPreviewPoints, 0, FontDpi(), ChosenFontOptions(*this));
    if (!glyphs) {
        imgFontPreview->setPixmap(QPixmap());
        imgFontPreview->setText("No glyph of these codes has ink.");
        imgFontPreview->adjustSize();
        return;
    }
    const int width = scrFontPreview->viewport()->width() / kPreviewEnlargement;
    const QImage image = FontPreviewImage(*glyphs, width);
    imgFontPreview->setPixmap(QPixmap::fromImage(image.scaled(
        image.size() * kPreviewEnlargement, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    imgFontPreview->adjustSize();
}
