// Qt's own dialogs behind the default prompts, answered as a user would.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "platform/prompts.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scripted_prompts.h"

namespace {

platform::Prompts &Dialogs()
{
    return platform::CurrentPrompts();
}

// Hands the dialog of type T that the next exec() opens to `answer`, once its event loop
// runs; any other modal widget is a failure and is closed.
template <typename T>
void WhenShown(std::function<void(T *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<T *>(modal))
            return answer(dialog);
        ADD_FAILURE() << "expected dialog not shown";
        if (modal)
            modal->close();
    });
}

void Choose(QFileDialog *dialog, const QString &typedName)
{
    dialog->findChild<QLineEdit *>("fileNameEdit")->setText(typedName);
    static_cast<QDialog *>(dialog)->accept();  // as the dialog's own button does
}

TEST(QtPrompts, OpenDialogsShowTheirFilterSuffixAndName)
{
    QTemporaryDir folder;
    struct Case {
        platform::FileQuestion question;
        QStringList filters;
        QString typed, chosen;
    };
    const Case cases[] = {
        {{}, {"All Files (*)"}, "rom.bin", "rom.bin"},
        {{"hex (*.hex)", "hex"}, {"hex (*.hex)"}, "image", "image.hex"},
        {{"*.bmp (*.bmp)", "", "icones.bmp"}, {"*.bmp (*.bmp)"}, "", "icones.bmp"},
    };
    for (const Case &c : cases) {
        WhenShown<QFileDialog>([&](QFileDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Open");
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
            EXPECT_EQ(dialog->nameFilters(), c.filters);
            EXPECT_EQ(dialog->defaultSuffix(), c.question.defaultSuffix);
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            EXPECT_EQ(name->text(), c.question.fileName);
            Choose(dialog,
                   c.typed.isEmpty() ? folder.filePath(name->text()) : folder.filePath(c.typed));
        });
        EXPECT_EQ(Dialogs().AskOpenFile(nullptr, c.question), folder.filePath(c.chosen));
    }
    WhenShown<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(Dialogs().AskOpenFile(nullptr, {}), "");
}

TEST(QtPrompts, SaveDialogAddsTheSuffixAndAsksBeforeReplacing)
{
    QTemporaryDir folder;
    zolvik_test::WriteFile(folder.filePath("old.h"), "keep me");
    const platform::FileQuestion header{"*.h (*.h)", "h"};
    WhenShown<QFileDialog>([&](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save As");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"*.h (*.h)"});
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        Choose(dialog, folder.filePath("cursor"));
    });
    EXPECT_EQ(Dialogs().AskSaveFile(nullptr, header), folder.filePath("cursor.h"));

    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        QString question;
        WhenShown<QFileDialog>([&](QFileDialog *dialog) {
            WhenShown<QMessageBox>([&](QMessageBox *box) {
                question = box->text();
                box->button(answer)->click();
            });
            Choose(dialog, folder.filePath("old.h"));
            if (dialog->isVisible())  // refused: the dialog stays open
                dialog->reject();
        });
        const QString chosen = Dialogs().AskSaveFile(nullptr, header);
        EXPECT_TRUE(question.contains("already exists")) << question.toStdString();
        EXPECT_EQ(chosen, answer == QMessageBox::Yes ? folder.filePath("old.h") : "");
    }
}

TEST(QtPrompts, FolderPickerGivesTheFolderOrNothing)
{
    QTemporaryDir folder;
    const QString title = QString::fromUtf8("Diretório a ser Criado o Link Simbólico");
    WhenShown<QFileDialog>([&](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), title);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
        dialog->setDirectory(folder.path());
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(Dialogs().AskFolder(title), QDir::toNativeSeparators(folder.path()));
    WhenShown<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(Dialogs().AskFolder(title), "");
}

TEST(QtPrompts, FontDialogStartsAfreshEveryTime)
{
    WhenShown<QFontDialog>([](QFontDialog *dialog) {
        dialog->setCurrentFont(QFont("DejaVu Sans", 37));
        dialog->accept();
    });
    const std::optional<QFont> chosen = Dialogs().AskFont(nullptr);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->family(), "DejaVu Sans");
    EXPECT_EQ(chosen->pointSize(), 37);

    int secondSize = 0;
    WhenShown<QFontDialog>([&](QFontDialog *dialog) {
        secondSize = dialog->currentFont().pointSize();
        dialog->reject();
    });
    EXPECT_FALSE(Dialogs().AskFont(nullptr));
    EXPECT_GT(secondSize, 0);
    EXPECT_NE(secondSize, 37);
}

TEST(QtPrompts, TextBoxShowsTitleLabelAndStartingText)
{
    for (const bool accept : {true, false}) {
        WhenShown<QInputDialog>([&](QInputDialog *box) {
            EXPECT_EQ(box->windowTitle(), "ID da fonte");
            EXPECT_EQ(box->labelText(), "Numero entre 0 e 9");
            EXPECT_EQ(box->inputMode(), QInputDialog::TextInput);
            EXPECT_EQ(box->textValue(), "0");
            box->setTextValue("12");
            accept ? box->accept() : box->reject();
        });
        const std::optional<QString> typed =
            Dialogs().AskText(nullptr, "ID da fonte", "Numero entre 0 e 9", "0");
        EXPECT_EQ(typed, accept ? std::optional<QString>("12") : std::nullopt);
    }
}

TEST(QtPrompts, MessageBoxHasItsIconCaptionTextAndOneOkButton)
{
    QWidget parent;
    for (const QMessageBox::Icon icon :
         {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Critical}) {
        bool shown = false;
        WhenShown<QMessageBox>([&](QMessageBox *box) {
            shown = true;
            EXPECT_EQ(box->icon(), icon);
            EXPECT_EQ(box->windowTitle(), "Error");
            EXPECT_EQ(box->text(), "Division by zero.");
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            EXPECT_EQ(box->parentWidget(), &parent);
            box->button(QMessageBox::Ok)->click();
        });
        Dialogs().ShowMessage(&parent, icon, "Error", "Division by zero.");
        EXPECT_TRUE(shown);
    }
}

TEST(ScriptedPrompts, StandInOnlyWhileInScope)
{
    platform::Prompts *qtDialogs = &Dialogs();
    {
        zolvik_test::ScriptedPrompts scripted;
        EXPECT_EQ(&Dialogs(), &scripted);
    }
    EXPECT_EQ(&Dialogs(), qtDialogs);
}

}  // namespace
