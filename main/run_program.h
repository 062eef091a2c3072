#pragma once
#include <QString>

// Starts Program with Parameters as one argument, without waiting; returns the shell's
// result code (above 32 when started).
int RunProgram(const QString &Program, const QString &Parameters);
