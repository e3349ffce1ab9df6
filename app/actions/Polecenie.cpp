#include "Polecenie.h"

#include <panels/StanPanelu.h>
#include <platform/Shell.h>

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
