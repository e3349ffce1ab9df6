#include "ReadPaths.h"

#include <platform/Directory.h>
#include <platform/Names.h>
#include <platform/Paths.h>

#include <QDir>
#include <QFile>
#include <QStringList>

namespace platform = oc::platform;

std::array<QString, 2> ReadPaths()
{
    QStringList lines;
    QFile file(platform::savedPathsFileForReading());
    if (file.open(QIODevice::ReadOnly))
        lines = platform::decodeName(file.readAll()).split(u'\n');
    std::array<QString, 2> katalogi;
    for (qsizetype n = 0; n < 2; ++n) {
        QString directory = lines.size() > n ? lines.at(n) : QString();
        if (directory.endsWith(u'\r'))
            directory.chop(1);
        katalogi[size_t(n)] = Sprawdz(directory);
    }
    return katalogi;
}

QString Sprawdz(const QString &katalog)
{
    // A relative line would depend on where the program was started from.
    if (katalog.isEmpty() || !QDir::isAbsolutePath(katalog) || !platform::canEnter(katalog))
        return platform::withSeparator(platform::fallbackDirectory());
    return platform::withSeparator(katalog);
}
