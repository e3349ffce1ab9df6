#include "Polecenie.h"

#include <panels/StanPanelu.h>
#include <platform/Directory.h>
#include <platform/Shell.h>

#include <QDir>

QString PierwszyWyraz(const QString &linia)
{
    const QString s = linia + u' ';
    if (s.startsWith(u' '))
        return {};
    return s.left(s.indexOf(u' '));
}

QString NazwaBezRozszerzenia(const QString &nazwa)
{
    const qsizetype kropka = nazwa.indexOf(u'.');
    return kropka < 0 ? nazwa : nazwa.left(kropka);
}

namespace {

bool MaRozszerzenieProgramu(const QString &nazwa)
{
    const QString koniec = nazwa.right(4).toUpper();
    return koniec == QLatin1String(".EXE") || koniec == QLatin1String(".COM") || koniec == QLatin1String(".BAT");
}

} // namespace

Polecenie RozpoznajPolecenie(const QString &linia, const StanPanelu &stan)
{
    const QString verb = PierwszyWyraz(linia).toUpper();
    Polecenie wynik;
    if (!verb.isEmpty())
        for (qint32 i = 1; i <= stan.LiczbaPozycji; ++i)
            if (stan.Nazwy[i].toUpper() == verb) {
                wynik.rodzaj = Polecenie::Rodzaj::Pozycja;
                wynik.pozycja = i;
                return wynik;
            }

    if (verb == QLatin1String("XK_EXIT") || verb == QLatin1String("OC_EXIT") || verb == QLatin1String("EXIT")) {
        wynik.rodzaj = Polecenie::Rodzaj::Koniec;
        return wynik;
    }
    if (verb == QLatin1String("CD")) {
        wynik.rodzaj = Polecenie::Rodzaj::Cd;
        wynik.argument = linia.mid(3);
        return wynik;
    }
    if (!verb.isEmpty())
        for (qint32 i = stan.LiczbaKatalogów + 1; i <= stan.LiczbaPozycji; ++i) {
            const QString &nazwa = stan.Nazwy[i];
            if (NazwaBezRozszerzenia(nazwa).toUpper() != verb)
                continue;
            if (MaRozszerzenieProgramu(nazwa) || oc::platform::isProgramFile(stan.Katalog + stan.Rzeczywiste[i])) {
                wynik.rodzaj = Polecenie::Rodzaj::Program;
                wynik.pozycja = i;
                return wynik;
            }
        }
    return wynik;
}

bool MożnaWejść(const QString &katalog, const QString &podkatalog)
{
    return !podkatalog.isEmpty() && oc::platform::canEnter(QDir(katalog).filePath(podkatalog));
}

std::optional<QString> KatalogDlaCd(const StanPanelu &s, const QString &katalog, const QString &arg)
{
    // As the shell has it: nothing or an unquoted "~" is the home folder.
    const QString słowo = arg.trimmed();
    if (słowo.isEmpty() || słowo == u'~' || słowo.startsWith(QStringLiteral("~/"))) {
        const QString domowy = QDir::homePath() + słowo.mid(1);
        return MożnaWejść(katalog, domowy) ? std::optional(domowy) : std::nullopt;
    }
    if (MożnaWejść(katalog, arg))
        return arg;
    // As Ctrl+Enter writes a name: quoted when needed, a blank after it.
    QString nazwa = arg;
    if (const QStringList słowa = oc::platform::splitCommandLine(arg); słowa.size() == 1)
        nazwa = słowa.front();
    if (nazwa != arg && MożnaWejść(katalog, nazwa))
        return nazwa;
    while (nazwa.size() > 1 && nazwa.endsWith(u'/'))
        nazwa.chop(1);
    for (qint32 i = 1; i <= s.LiczbaKatalogów; ++i) {
        const QString &rzeczywista = s.Rzeczywiste[size_t(i)];
        if (rzeczywista.compare(nazwa, Qt::CaseInsensitive) == 0 && MożnaWejść(katalog, rzeczywista))
            return rzeczywista;
    }
    return std::nullopt;
}
