#include "DyskPanelu.h"

#include <platform/Paths.h>

#include <QDir>

using namespace oc;

OdczytKatalogu CzytajKatalogPanelu(const QString &obecny, const QString &path)
{
    QString cel = QDir::isAbsolutePath(path) ? path : obecny + u'/' + path;
    cel = QDir::cleanPath(cel);
    platform::DirectoryListing odczyt;
    for (;;) {
        if (platform::canEnter(cel)) {
            // The panel sorts by its own order; unsorted is the directory's.
            odczyt = platform::readDirectory(cel, false);
            if (odczyt.ok)
                break;
        }
        if (cel == u'/') {
            cel = platform::fallbackDirectory();
            odczyt = platform::readDirectory(cel, false);
            break;
        }
        cel = QDir::cleanPath(cel + QStringLiteral("/.."));
    }
    return {std::move(cel), std::move(odczyt)};
}

QString KatalogStartowy(const QString &zapisany)
{
    return zapisany.isEmpty() ? platform::fallbackDirectory() : zapisany;
}

bool KatalogDostępny(const QString &ścieżka)
{
    return platform::canEnter(ścieżka);
}

QString WoluminKatalogu(const QString &ścieżka)
{
    return platform::volumeOf(ścieżka);
}

platform::Volume OpisWoluminu(const QString &ścieżka)
{
    return platform::volumeInfo(ścieżka);
}

QString KatalogNaWoluminie(const QString &wybrany, const QString &drugi, const QString &ostatni)
{
    if (platform::volumeOf(drugi) == wybrany)
        return drugi;
    if (!ostatni.isEmpty() && platform::canEnter(ostatni))
        return ostatni;
    return wybrany;
}
