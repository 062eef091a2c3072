// "Fonts": a C header of glyph bitmaps from an installed font, and raw colour records from a
// sheet of 48x48 icons.
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "main/controls.h"
#include "main/main.h"
#include "main/page_fonts_glyphs.h"
#include "main/user_files.h"
#include "common/errors.h"
#include "platform/prompts.h"
#include "render/icon_sheet.h"
#include "tools/icon_strip.h"
#include "widgets/caption_over_picture_button.h"

namespace {

// Far beyond any sheet of icons; a larger file is read only this far and then not valid.
constexpr qint64 kLargestIconSheet = qint64(512) << 20;

// The dialog's size in whole points; a font chosen by pixel size is converted back.
int PointSizeOf(const QFont &font, qreal dpi)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    if (font.pointSizeF() > 0)
        return qRound(font.pointSizeF());
    return std::max(1, qRound(font.pixelSize() * 72.0 / dpi));
}

}  // namespace

void TfrmMain::CreateFontsPage(QWidget *page)
{
    using namespace controls;
    const struct {
        QPushButton *TfrmMain::*member;
        const char *name;
        Place place;
        const char *caption;
        QStyle::StandardPixmap icon;
        void (TfrmMain::*click)(QObject *);
    } buttons[] = {
        {&TfrmMain::btnFont,
         "btnFont",
         {24, 24, 265, 105},
         "Create .H file from a Windows Source",
         QStyle::SP_FileDialogDetailedView,
         &TfrmMain::btnFontClick},
        {&TfrmMain::Button6,
         "Button6",
         {304, 24, 265, 105},
         "Create BMB file from a 48x48 bitmap",
         QStyle::SP_DialogSaveButton,
         &TfrmMain::Button6Click},
    };
    for (const auto &row : buttons) {
        // The picture below the caption, as on the Exit button.
        QPushButton *button = Make<CaptionOverPictureButton>(
            page, row.name, row.place, QString(row.caption), style()->standardIcon(row.icon));
        button->setIconSize(QSize(48, 48));
        this->*row.member = button;
        OnClick(button, this, row.click);
    }
}

void TfrmMain::FontsShowMessage(const QString &text)
{
    platform::CurrentPrompts().ShowMessage(this, QMessageBox::NoIcon, ApplicationTitle(), text);
}

void TfrmMain::btnFontClick(QObject *)
{
    HandleErrors([&] {
        platform::Prompts &prompts = platform::CurrentPrompts();
        const std::optional<QFont> font = prompts.AskFont(this);
        if (!font)
            return;
        const QFont chosen = *font;

        const QString idText =
            prompts.AskText(this, "ID da fonte", "Numero entre 0 e 9", "0").value_or("0");
        const int fontId = zolvik::StrToIntDef(idText.toStdString(), 0);

        const qreal dpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
        if (!GenerateFontFiles(chosen.family(), PointSizeOf(chosen, dpi), fontId, dpi, "campo.bmp",
                               QCoreApplication::applicationDirPath())) {
            FontsShowMessage(QString::fromUtf8(kFontLeavesNoInk));
            return;
        }
        FontsShowMessage("Conversão conluída.");
    });
}

void TfrmMain::Button6Click(QObject *)
{
    HandleErrors([&] {
        const QString inputPath = platform::CurrentPrompts().AskOpenFile(
            this, {.filter = "*.bmp (*.bmp)", .fileName = "icones.bmp"});
        // A cancel, or a typed name of a missing file, is quietly ignored.
        if (!QFileInfo(inputPath).isFile())
            return;

        QByteArray bitmap;
        try {
            bitmap = LoadUserFile(inputPath, kLargestIconSheet);
        } catch (const zolvik::Error &) {
            // unreadable: refused below as any other bitmap that does not decode
        }
        const QImage sheet = DecodeIconSheet(bitmap);
        if (sheet.isNull())
            throw zolvik::Error(kIconSheetNotBitmap);
        const std::optional<std::vector<std::uint8_t>> records = IconSheetRecords(sheet);
        if (!records) {
            FontsShowMessage(QString::fromUtf8(kIconSheetNot48));
            return;
        }
        const QString outputPath = QString::fromStdString(zolvik::BmbPath(inputPath.toStdString()));
        SaveUserFile(outputPath, std::string_view(reinterpret_cast<const char *>(records->data()),
                                                  records->size()));
        FontsShowMessage("Conversão conluída.");
    });
}
