#pragma once
// The few operating-system services the tools need, behind one small interface so that the
// rest of the program never calls an OS API directly.
#include <QString>
#include <QStringList>

namespace platform {

// Full path of a program: beside the executable first, then on the search path; empty
// when it is found nowhere.
QString FindProgram(const QString &program);

// Starts a program detached, without waiting for it; each argument reaches it whole.
// Returns the shell-style result code: above 32 when the program was started.
int StartProgram(const QString &program, const QStringList &arguments);

// Creates a directory symbolic link `link` pointing to `target`. Returns an empty text on
// success, else the system's reason.
QString CreateDirectoryLink(const QString &link, const QString &target);

// Has the system make the directory link `name` inside `location`, pointing to `target`.
// Where the command interpreter has "mklink" it starts "cmd.exe" with `parameters` in a
// normal window and does not wait: that window shows the outcome and the result is empty.
// Elsewhere the link is made directly, no shell involved, and the result is the failure
// text with the system's reason (empty on success).
QString LinkDirectory(const QString &location, const QString &name, const QString &target,
                      const QString &parameters);

}  // namespace platform
