#include "ReadPaths.h"

#include <panels/StanPanelu.h>
#include <platform/Directory.h>
#include <platform/Names.h>
#include <platform/Paths.h>

#include <QDir>
#include <QFile>
#include <QStringList>

namespace platform = oc::platform;

void ReadPaths()
{
    QStringList lines;
    QFile file(platform::savedPathsFileForReading());
    if (file.open(QIODevice::ReadOnly))
        lines = platform::decodeName(file.readAll()).split(u'\n');
    for (qint32 n = 1; n <= 2; ++n) {
        QString directory = lines.size() >= n ? lines.at(n - 1) : QString();
        if (directory.endsWith(u'\r'))
            directory.chop(1);
        if (directory.isEmpty())
            directory = platform::fallbackDirectory();
        panel(n).Katalog = platform::withSeparator(directory);
    }
    Sprawdz(1);
    Sprawdz(2);
}

void Sprawdz(qint32 n)
{
    StanPanelu &state = panel(n);
    // A relative line would depend on where the program was started from.
    if (!QDir::isAbsolutePath(state.Katalog) || !platform::canEnter(state.Katalog))
        state.Katalog = platform::withSeparator(platform::fallbackDirectory());
}
