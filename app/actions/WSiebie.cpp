#include "WSiebie.h"

#include <platform/Directory.h>
#include <platform/Paths.h>

#include <QDir>
#include <QFileInfo>

using namespace oc;

namespace {

// The entry itself, its directory resolved but not its own name: a link is
// copied as the link, so it is judged as one, not by what it points to.
QString SamWpis(const QString &ścieżka)
{
    const QFileInfo wpis(ścieżka);
    const QString katalog = QFileInfo(wpis.absolutePath()).canonicalFilePath();
    return katalog.isEmpty() ? QString() : QDir::cleanPath(platform::withSeparator(katalog) + wpis.fileName());
}

} // namespace

DoSkopiowania UpuszczonaŚcieżka(const QString &ścieżka)
{
    return {ścieżka, platform::isDirectory(ścieżka) && !QFileInfo(ścieżka).isSymLink()};
}

QString KopiaWSiebie(const std::vector<DoSkopiowania> &co, const QString &cel)
{
    const QString docelowy = QDir::cleanPath(QFileInfo(cel).canonicalFilePath());
    for (const DoSkopiowania &pozycja : co) {
        const QString źródło = SamWpis(pozycja.ścieżka);
        if (źródło.isEmpty() || docelowy.isEmpty())
            continue;
        if (!pozycja.katalog && QFileInfo(źródło).absolutePath() == docelowy)
            return QStringLiteral("Nie można skopiować pliku %1 na niego samego").arg(pozycja.ścieżka);
        if (pozycja.katalog && (docelowy == źródło || docelowy.startsWith(platform::withSeparator(źródło))))
            return QStringLiteral("Nie można skopiować katalogu %1 do niego samego").arg(pozycja.ścieżka);
    }
    return {};
}

QString PrzeniesienieWSiebie(const std::vector<WybranaPozycja> &co, const QString &cel)
{
    const QString docelowy = QDir::cleanPath(QFileInfo(cel).canonicalFilePath());
    if (docelowy.isEmpty())
        return {};
    for (const WybranaPozycja &pozycja : co) {
        // The entry itself: a link is moved as the link, wherever it points.
        const QFileInfo wpis(pozycja.ścieżka);
        const bool katalog = pozycja.katalog && !wpis.isSymLink();
        if (QDir::cleanPath(QFileInfo(wpis.absolutePath()).canonicalFilePath()) == docelowy)
            return pozycja.katalog
                       ? QStringLiteral("Nie można przenieść katalogu %1 na niego samego").arg(pozycja.ścieżka)
                       : QStringLiteral("Nie można przenieść pliku %1 na niego samego").arg(pozycja.ścieżka);
        const QString źródło = QDir::cleanPath(wpis.canonicalFilePath());
        if (katalog && !źródło.isEmpty()
            && (docelowy == źródło || docelowy.startsWith(platform::withSeparator(źródło))))
            return QStringLiteral("Nie można przenieść katalogu %1 do niego samego").arg(pozycja.ścieżka);
    }
    return {};
}
