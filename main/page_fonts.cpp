// "Fonts": a C header of glyph bitmaps from an installed font, and raw colour records from a
// sheet of 48x48 icons.
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "main/main.h"
#include "main/page_fonts_glyphs.h"
#include "main/user_files.h"
#include "render/icon_sheet.h"
#include "tools/errors.h"
#include "tools/icon_strip.h"

namespace {

QPushButton *MakeButton(QWidget *page, const char *name, const char *caption, const QRect &place,
                        const QIcon &icon)
{
    auto *button = new QPushButton(caption, page);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setIcon(icon);
    button->setIconSize(QSize(48, 48));
    return button;
}

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
    btnFont = MakeButton(page, "btnFont", "Create .H file from a Windows Source", QRect(24, 24, 265, 105),
                         style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Button6 = MakeButton(page, "Button6", "Create BMB file from a 48x48 bitmap", QRect(304, 24, 265, 105),
                         style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(btnFont, &QPushButton::clicked, this, [this] { btnFontClick(btnFont); });
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(Button6); });
}

void TfrmMain::FontsShowMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

void TfrmMain::btnFontClick(QObject *)
{
    HandleErrors([&] {
        // A new dialog every time: it starts from the default font, not the last choice.
        QFontDialog fontDialog(this);
        if (fontDialog.exec() != QDialog::Accepted)
            return;
        const QFont chosen = fontDialog.selectedFont();

        QInputDialog idBox(this);
        idBox.setInputMode(QInputDialog::TextInput);
        idBox.setWindowTitle("ID da fonte");
        idBox.setLabelText("Numero entre 0 e 9");
        idBox.setTextValue("0");
        const QString idText = idBox.exec() == QDialog::Accepted ? idBox.textValue() : QString("0");
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
        QFileDialog openDialog(this);
        openDialog.setAcceptMode(QFileDialog::AcceptOpen);
        // A typed name of a missing file is returned too, and then quietly ignored.
        openDialog.setFileMode(QFileDialog::AnyFile);
        openDialog.setNameFilter("*.bmp (*.bmp)");
        openDialog.selectFile("icones.bmp");
        if (openDialog.exec() != QDialog::Accepted || openDialog.selectedFiles().isEmpty())
            return;
        const QString inputPath = openDialog.selectedFiles().constFirst();
        if (!QFileInfo(inputPath).isFile())
            return;

        QImage sheet;
        if (!sheet.load(inputPath, "BMP"))
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
