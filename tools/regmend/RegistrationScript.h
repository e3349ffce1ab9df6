#pragma once

#include <QString>
#include <QStringList>

namespace regmend {

// The libraries the script registers, in its order, as file names in the
// program's directory ("mp3.so" lies outside this system and may be absent).
QStringList registeredLibraries();

// The script's path: ~tmp.sh in the temporary directory.
QString scriptPath();

// The registration script: one call of the registration program per library
// of the program's directory, every path quoted.
QString registrationScript();

// Creates or overwrites the script; false when it cannot be written.
bool writeScript(const QString &path, const QString &text);
// Removes it once it has run.
void removeScript(const QString &path);

} // namespace regmend
