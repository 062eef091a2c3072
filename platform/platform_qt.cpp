#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace platform {

namespace {
// ShellExecute's "file not found" and a result that means success.
constexpr int kShellFileNotFound = 2;
constexpr int kShellStarted = 33;
}  // namespace

QString FindProgram(const QString &program)
{
    const QFileInfo given(program);
    if (given.isAbsolute())
        return given.isFile() && given.isExecutable() ? given.absoluteFilePath() : QString();
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(program));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(program);
}

int StartProgram(const QString &program, const QStringList &arguments)
{
    const QString path = FindProgram(program);
    if (path.isEmpty())
        return kShellFileNotFound;
    // The started program inherits this program's current folder.
    return QProcess::startDetached(path, arguments, QDir::currentPath()) ? kShellStarted
                                                                        : kShellFileNotFound;
}

bool PickFolder(QString &folder, const QString &title)
{
    const QString chosen = QFileDialog::getExistingDirectory(nullptr, title, QString(),
                                                             QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return false;
    folder = QDir::toNativeSeparators(chosen);
    return true;
}

QString CreateDirectoryLink(const QString &link, const QString &target)
{
    std::error_code error;
    std::filesystem::create_directory_symlink(target.toStdString(), link.toStdString(), error);
    return error ? QString::fromStdString(error.message()) : QString();
}

}  // namespace platform
