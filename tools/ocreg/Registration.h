#pragma once

#include <QString>
#include <QStringList>

namespace ocreg {

struct Outcome
{
    bool ok = false;
    QString message; // for the user, success or failure
};

// Writes one registry entry per class the library serves, under its
// absolute path.
Outcome registerLibrary(const QString &libraryPath, const QString &registryFile);
// Removes the entries of the classes the library serves.
Outcome unregisterLibrary(const QString &libraryPath, const QString &registryFile);

struct Arguments
{
    bool silent = false;
    bool unregister = false;
    QStringList libraries;
};

// "/s", "/u" (also "-s", "-u", any case) and library paths.
Arguments parseArguments(const QStringList &arguments);

} // namespace ocreg
