#pragma once
// Every question the window puts to the user goes through one Prompts object: Qt's standard
// dialogs by default, a scripted stand-in in tests.
#include <QFont>
#include <QMessageBox>
#include <QString>

#include <optional>

namespace platform {

// What a file dialog shows: its name filter, the suffix added to a typed name without one,
// and the name it starts with. An empty text leaves Qt's default.
struct FileQuestion {
    QString filter = {};
    QString defaultSuffix = {};
    QString fileName = {};
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // The chosen path, or an empty text when the user cancels. The dialogs accept any typed
    // name: whether the file exists is for the caller to check. Saving asks before replacing.
    virtual QString AskOpenFile(QWidget *parent, const FileQuestion &question) = 0;
    virtual QString AskSaveFile(QWidget *parent, const FileQuestion &question) = 0;
    // The chosen folder with native separators, or an empty text when the user cancels.
    virtual QString AskFolder(const QString &title) = 0;
    // A font chosen in a dialog that starts from the default font every time.
    virtual std::optional<QFont> AskFont(QWidget *parent) = 0;
    // One line of text, starting as `initial`; nothing when the user cancels.
    virtual std::optional<QString> AskText(QWidget *parent, const QString &title,
                                           const QString &label, const QString &initial) = 0;
    // A message box with one OK button, returning when it is closed.
    virtual void ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                             const QString &text) = 0;
};

// The prompts in use: Qt's standard dialogs unless others are installed.
Prompts &CurrentPrompts();

// Puts `prompts` in use (null restores Qt's dialogs) and returns the ones it replaces; the
// caller keeps ownership.
Prompts *InstallPrompts(Prompts *prompts);

}  // namespace platform
