#include "main/run_program.h"

#include "platform/platform.h"

int RunProgram(const QString &Program, const QString &Parameters)
{
    // The parameter text travels as one argument, so a path with blanks arrives whole.
    const QStringList arguments = Parameters.isEmpty() ? QStringList() : QStringList{Parameters};
    return platform::StartProgram(Program, arguments);
}
