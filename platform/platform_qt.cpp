#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include "tools/link_command.h"

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

QString CreateDirectoryLink(const QString &link, const QString &target)
{
    // Paths in the file system's own encoding, byte for byte.
    const std::filesystem::path targetPath(QFile::encodeName(target).toStdString());
    const std::filesystem::path linkPath(QFile::encodeName(link).toStdString());
    std::error_code error;
    std::filesystem::create_directory_symlink(targetPath, linkPath, error);
    return error ? QString::fromLocal8Bit(error.message().c_str()) : QString();
}

QString LinkDirectory(const QString &location, const QString &name, const QString &target,
                      const QString &parameters)
{
#ifdef Q_OS_WIN
    Q_UNUSED(location);
    Q_UNUSED(name);
    Q_UNUSED(target);
    QProcess command;
    command.setProgram("cmd.exe");
    command.setNativeArguments(parameters);  // passed exactly as built, no quoting added
    command.startDetached();
    return QString();
#else
    Q_UNUSED(parameters);
    const QString link =
        QString::fromStdString(zolvik::LinkPath(location.toStdString(), name.toStdString()));
    const QString reason = CreateDirectoryLink(link, target);
    if (reason.isEmpty())
        return QString();
    return QString("Cannot create link \"%1\". %2").arg(link, reason);
#endif
}

}  // namespace platform
