// The default prompts: Qt's standard dialogs, opened modally.
#include "platform/prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>

namespace platform {

namespace {

QString AskFile(QWidget *parent, QFileDialog::AcceptMode mode, const FileQuestion &question)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!question.filter.isEmpty())
        dialog.setNameFilter(question.filter);
    if (!question.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(question.defaultSuffix);
    if (!question.fileName.isEmpty())
        dialog.selectFile(question.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

class QtPrompts final : public Prompts {
public:
    QString AskOpenFile(QWidget *parent, const FileQuestion &question) override
    {
        return AskFile(parent, QFileDialog::AcceptOpen, question);
    }

    QString AskSaveFile(QWidget *parent, const FileQuestion &question) override
    {
        return AskFile(parent, QFileDialog::AcceptSave, question);
    }

    QString AskFolder(const QString &title) override
    {
        const QString chosen =
            QFileDialog::getExistingDirectory(nullptr, title, QString(), QFileDialog::ShowDirsOnly);
        return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
    }

    std::optional<QFont> AskFont(QWidget *parent) override
    {
        QFontDialog dialog(parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedFont();
    }

    std::optional<QString> AskText(QWidget *parent, const QString &title, const QString &label,
                                   const QString &initial) override
    {
        QInputDialog box(parent);
        box.setInputMode(QInputDialog::TextInput);
        box.setWindowTitle(title);
        box.setLabelText(label);
        box.setTextValue(initial);
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue();
    }

    void ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                     const QString &text) override
    {
        QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

QtPrompts &QtDialogs()
{
    static QtPrompts dialogs;
    return dialogs;
}

Prompts *&Installed()
{
    static Prompts *installed = nullptr;
    return installed;
}

}  // namespace

Prompts &CurrentPrompts()
{
    return Installed() ? *Installed() : QtDialogs();
}

Prompts *InstallPrompts(Prompts *prompts)
{
    Prompts *previous = Installed();
    Installed() = prompts;
    return previous;
}

}  // namespace platform
