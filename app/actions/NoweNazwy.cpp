#include "NoweNazwy.h"

#include <platform/Directory.h>
#include <platform/NewFile.h>
#include <platform/Paths.h>
#include <platform/Rename.h>
#include <undo/Dziennik.h>

#include <cerrno>

using namespace oc;

QString BłądNazwyPliku(const QString &nazwa)
{
    if (nazwa.contains(u'/'))
        return QStringLiteral("Nazwa pliku nie może zawierać znaku „/”.");
    if (nazwa == u"." || nazwa == u"..")
        return QStringLiteral("„%1” nie może być nazwą pliku.").arg(nazwa);
    return {};
}

QString UtwórzPustyPlik(const QString &katalog, const QString &nazwa)
{
    platform::FileError błąd;
    if (platform::createEmptyFile(katalog, nazwa, &błąd))
        return {};
    return błąd.code == EEXIST ? QStringLiteral("Plik lub katalog o podanej nazwie już istnieje")
                               : QStringLiteral("Nie można utworzyć pliku: ") + błąd.reason();
}

QString TekstBłęduNowegoKatalogu(int numer, const QString &opis)
{
    if (numer == EEXIST)
        return QStringLiteral("Katalog o podanej nazwie już istnieje");
    if (numer == ENOENT)
        return QStringLiteral("Podana ścieżka nie istnieje");
    return QStringLiteral("W trakcie tworzenie katalogu wystąpił nieznany błąd nr:") + QString::number(numer)
           + QStringLiteral("\r\n") + opis;
}

QString UtwórzKatalog(const QString &katalog, const QString &nazwa)
{
    const QString ścieżka = nazwa.startsWith(u'/') ? nazwa : platform::withSeparator(katalog) + nazwa;
    platform::FileError błąd;
    const std::unique_ptr<undo::Zapis> zapis = undo::Dziennik().zacznij(undo::Rodzaj::NowyKatalog, ścieżka);
    if (!platform::makeDirectory(katalog, nazwa, &błąd))
        return TekstBłęduNowegoKatalogu(błąd.code, błąd.reason());
    if (zapis)
        zapis->utworzony(ścieżka);
    return {};
}

QString PowódOdmowyNazwy(const QString &nazwa)
{
    if (nazwa.trimmed().isEmpty())
        return QStringLiteral("Nazwa nie może być pusta");
    if (nazwa.contains(u'/'))
        return QStringLiteral("Nazwa nie może zawierać znaku \"/\"");
    if (nazwa.contains(QChar(0)))
        return QStringLiteral("Nazwa nie może zawierać znaku o kodzie 0");
    if (nazwa == u"." || nazwa == u"..")
        return QStringLiteral("Nazwy \".\" i \"..\" oznaczają katalogi i nie mogą być nadane");
    return {};
}

QString ZmieńNazwęWpisu(const QString &katalog, const QString &stara, const QString &nowa)
{
    const QString przed = platform::withSeparator(katalog);
    const std::unique_ptr<undo::Zapis> zapis
        = undo::Dziennik().zacznij(undo::Rodzaj::ZmianaNazwy, przed + stara + QStringLiteral(" → ") + nowa);
    platform::FileError błąd;
    if (!platform::renameEntry(katalog, stara, nowa, &błąd))
        return błąd.code == EEXIST ? QStringLiteral("Pozycja o nazwie %1 już istnieje").arg(nowa)
                                   : QStringLiteral("Nie można zmienić nazwy %1: %2").arg(stara, błąd.reason());
    if (zapis)
        zapis->przeniesiony(przed + stara, przed + nowa);
    return {};
}
