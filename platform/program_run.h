#pragma once
// Running a program in the background and hearing how it ended, without ever blocking the
// caller's event loop.
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

struct ProgramOutcome {
    bool started = false;  // false when the program was not found or could not be run
    bool crashed = false;  // it ended by a signal, or was killed
    int exitCode = 0;      // meaningful only when started and not crashed
    QString output;        // everything it wrote to standard output
    QString errors;        // everything it wrote to standard error, or why it did not start
};

// Starts `program` (looked up as FindProgram does) with `arguments`, each reaching it whole, in
// the current folder, and returns at once. `finished` is called exactly once, on the owner's
// thread, when the program has ended or has failed to start. The process belongs to `owner`:
// several may run at the same time, and one still running when the owner is destroyed is
// stopped without a call.
void RunProgramInBackground(QObject *owner, const QString &program, const QStringList &arguments,
                            std::function<void(const ProgramOutcome &)> finished);

}  // namespace platform
