#include "platform/program_run.h"

#include <QDir>
#include <QProcess>
#include <QTimer>

#include <memory>

#include "platform/platform.h"

namespace platform {

namespace {
// QProcess stops a program still running when it is destroyed, and may report that end
// while its owner is half destroyed; this one stays silent from its destruction on.
class BackgroundProcess : public QProcess {
public:
    using QProcess::QProcess;
    ~BackgroundProcess() override { blockSignals(true); }
};
}  // namespace

void RunProgramInBackground(QObject *owner, const QString &program, const QStringList &arguments,
                            std::function<void(const ProgramOutcome &)> finished)
{
    const QString path = FindProgram(program);
    if (path.isEmpty()) {
        // Reported from the event loop like every other outcome, never from inside the call.
        QTimer::singleShot(0, owner, [program, finished] {
            ProgramOutcome outcome;
            outcome.errors = QString("%1 was not found").arg(program);
            finished(outcome);
        });
        return;
    }

    QProcess *process = new BackgroundProcess(owner);
    // Read as it arrives, so a talkative program never stalls on a full pipe.
    auto output = std::make_shared<QByteArray>();
    auto errors = std::make_shared<QByteArray>();
    QObject::connect(process, &QProcess::readyReadStandardOutput, process,
                     [process, output] { output->append(process->readAllStandardOutput()); });
    QObject::connect(process, &QProcess::readyReadStandardError, process,
                     [process, errors] { errors->append(process->readAllStandardError()); });
    QObject::connect(
        process, &QProcess::finished, process,
        [process, output, errors, finished](int exitCode, QProcess::ExitStatus status) {
            output->append(process->readAllStandardOutput());
            errors->append(process->readAllStandardError());
            process->deleteLater();
            finished({.started = true,
                      .crashed = status == QProcess::CrashExit,
                      .exitCode = exitCode,
                      .output = QString::fromLocal8Bit(*output),
                      .errors = QString::fromLocal8Bit(*errors)});
        });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, finished](QProcess::ProcessError error) {
                         // A program that ran reports through finished(); only a failed start
                         // ends here.
                         if (error != QProcess::FailedToStart)
                             return;
                         process->deleteLater();
                         ProgramOutcome outcome;
                         outcome.errors = process->errorString();
                         finished(outcome);
                     });
    process->setWorkingDirectory(QDir::currentPath());
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(path, arguments, QIODevice::ReadOnly);
}

}  // namespace platform
