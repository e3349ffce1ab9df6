#pragma once

#include <QString>
#include <QStringList>

namespace oc::platform {

struct Command
{
    QString program;
    QStringList arguments;
};

// Splits a command line into words as a POSIX shell would (quotes and
// backslashes; no expansion).
QStringList splitCommandLine(const QString &line);

// A command that runs the line in the user's shell and leaves it
// interactive, inside a terminal window when one is available.
Command interpreterCommand(const QString &line);

// The terminal window program; empty when none is installed.
QString terminalProgram();
// Where a terminal is looked for, to tell the user when none was found.
QString terminalCandidates();
// The desktop's document opener, to tell the user when it is missing.
QString documentOpenerName();

// A command that runs a script in a terminal window when one is available,
// else plainly; the caller waits for it.
Command scriptCommand(const QString &scriptPath);

// A program with its arguments inside a terminal window when one is
// available, else on its own; the arguments never pass through a shell.
Command terminalCommand(const QString &program, const QStringList &arguments);

// Quotes a path for a shell script.
QString shellQuote(const QString &text);

// A program file: ".exe", ".com", ".bat" by name, or a regular file with an
// execute permission bit.
bool isProgramFile(const QString &path);

// The temporary directory for scripts.
QString temporaryDirectory();

} // namespace oc::platform
