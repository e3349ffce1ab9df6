#include "RegistrationScript.h"

#include <platform/Names.h>
#include <platform/Paths.h>
#include <platform/Shell.h>

#include <QFile>

namespace regmend {

QStringList registeredLibraries()
{
    return {QStringLiteral("oc.so"),       QStringLiteral("oc2.so"),     QStringLiteral("occopy.so"),
            QStringLiteral("ocdelete.so"), QStringLiteral("menuoc.so"),  QStringLiteral("notebox.so"),
            QStringLiteral("mp3.so"),      QStringLiteral("ocfalrow.so")};
}

QString scriptPath()
{
    return oc::platform::temporaryDirectory() + QStringLiteral("/~tmp.sh");
}

QString registrationScript()
{
    const QString program = oc::platform::shellQuote(oc::platform::registrationProgram());
    const QString directory = oc::platform::programDirectory();
    QStringList lines{QStringLiteral("#!/bin/sh"), QStringLiteral("clear"),
                      QStringLiteral("echo \"Trwa rejestrowanie plików DLL\"")};
    for (const QString &library : registeredLibraries())
        lines << program + u' ' + oc::platform::shellQuote(directory + u'/' + library);
    lines << QStringLiteral("clear")
          << QStringLiteral("echo \"Rejestracja plików DLL zostala zakonczona, mozesz zamknac to okno\"")
          << QStringLiteral("exit");
    return lines.join(u'\n') + u'\n';
}

bool writeScript(const QString &path, const QString &text)
{
    // The temporary directory is shared: whatever lies under the name (a
    // link planted there included) goes, and the script is created anew.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    // The reversible encoding keeps a directory name that is not UTF-8 intact.
    const QByteArray bytes = oc::platform::encodeName(text);
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

void removeScript(const QString &path)
{
    QFile::remove(path);
}

} // namespace regmend
