// Runs the programs the install checks drive, and skips a check whose tool is missing.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace zolvik_install_test {

struct CommandResult {
    int status = -1;
    QString out;
    QString err;
};

inline CommandResult
RunCommand(const QString &program, const QStringList &arguments,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
           const QString &folder = QString(), int timeoutMs = 300000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    CommandResult result;
    if (!process.waitForStarted(10000)) {
        result.err = program + ": " + process.errorString();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.err = program + ": still running after " + QString::number(timeoutMs) + " ms\n";
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err += QString::fromUtf8(process.readAllStandardError());
    return result;
}

inline QString SourcePath(const QString &relative)
{
    return QStringLiteral(ZOLVIK_SOURCE_DIR "/") + relative;
}

inline QString BuildPath(const QString &relative)
{
    return QStringLiteral(ZOLVIK_BUILD_DIR "/") + relative;
}

}  // namespace zolvik_install_test

// Skips the test, naming the package that brings the tool, when the tool is not on PATH.
#define ZOLVIK_REQUIRE_TOOL(tool, package)                                                         \
    if (QStandardPaths::findExecutable(tool).isEmpty())                                            \
    GTEST_SKIP() << tool << " is not installed (scripts/install-deps.sh installs " << package << ")"
