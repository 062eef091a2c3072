// "Fonts": a C header of glyph bitmaps from an installed font, and raw colour records from a
// sheet of 48x48 icons.
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QStyle>

#include "main/controls.h"
#include "main/main.h"
#include "main/page_fonts_glyphs.h"
#include "main/page_fonts_options.h"
#include "main/user_files.h"
#include "common/errors.h"
#include "platform/prompts.h"
#include "render/icon_output.h"
#include "render/icon_sheet.h"
#include "widgets/caption_over_picture_button.h"

namespace {

// Far beyond any sheet of icons; a larger file is read only this far and then not valid.
constexpr qint64 kLargestIconSheet = qint64(512) << 20;

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
    CreateFontOptionsPanel(page);
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
        RememberPreviewFont(chosen);

        const QString idText =
            prompts.AskText(this, "ID da fonte", "Numero entre 0 e 9", "0").value_or("0");
        const int fontId = zolvik::StrToIntDef(idText.toStdString(), 0);

        const qreal dpi = FontDpi();
        if (!GenerateFontFiles(chosen.family(), FontPointSize(chosen, dpi), fontId, dpi,
                               "campo.bmp", QCoreApplication::applicationDirPath(),
                               ChosenFontOptions(*this))) {
            FontsShowMessage(QString::fromUtf8(kFontLeavesNoInk));
            return;
        }
        FontsShowMessage("Conversão conluída.");
    });
}

void TfrmMain::Button6Click(QObject *)
{
    HandleErrors([&] {
        const IconOptions options = ChosenIconOptions(*this);
        // Today's strip takes BMP only; any other choice takes PNG sheets with transparency too.
        const bool plain = IsPlainIconStrip(options);
        const QString inputPath = platform::CurrentPrompts().AskOpenFile(
            this, {.filter = plain ? "*.bmp (*.bmp)" : "Bitmaps (*.bmp *.png)",
                   .fileName = "icones.bmp"});
        // A cancel, or a typed name of a missing file, is quietly ignored.
        if (!QFileInfo(inputPath).isFile())
            return;

        QByteArray bitmap;
        try {
            bitmap = LoadUserFile(inputPath, kLargestIconSheet);
        } catch (const zolvik::Error &) {
            // unreadable: refused below as any other bitmap that does not decode
        }
        const QImage sheet = plain ? DecodeIconSheet(bitmap) : DecodeTileSheet(bitmap);
        if (sheet.isNull())
            throw zolvik::Error(kIconSheetNotBitmap);
        std::string output;
        try {
            output = IconOutputBytes(sheet, options);
        } catch (const IconOutputRefused &refused) {
            if (refused.AboutName())
                throw zolvik::Error(options.headerName + ": " + refused.what());
            FontsShowMessage(QString::fromStdString(refused.what()));
            return;
        }
        SaveUserFile(QString::fromStdString(IconOutputPath(inputPath.toStdString(), options)),
                     output);
        FontsShowMessage("Conversão conluída.");
    });
}
