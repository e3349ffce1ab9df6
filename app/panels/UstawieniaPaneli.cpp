#include "UstawieniaPaneli.h"

#include <platform/Paths.h>

#include <QFile>
#include <QList>

namespace {

const char *const strony[2] = {"lewy", "prawy"};
// The values of the order's key, in the order of Sortowanie.
const QByteArray klucze[] = {"nazwa", "rozszerzenie", "data", "wielkosc", "brak"};
constexpr qint64 najdłuższyPlik = 64 * 1024; // a damaged file is no reason to read on

} // namespace

QByteArray TekstUstawień(const UstawieniaPaneli &ustawienia)
{
    QByteArray tekst = "; Orvane Commander: kolejnosc i widok paneli\n";
    for (int p = 0; p < 2; ++p) {
        const UstawieniaPanelu &u = ustawienia[size_t(p)];
        const QByteArray strona = strony[p];
        tekst += strona + ".kolejnosc=" + klucze[int(u.Kolejność.Klucz)] + '\n';
        tekst += strona + ".odwrotnie=" + (u.Kolejność.Odwrotnie ? "1" : "0") + '\n';
        tekst += strona + ".widok=" + (u.Pełny ? "pelny" : "skrocony") + '\n';
    }
    return tekst;
}

UstawieniaPaneli RozbierzUstawienia(const QByteArray &tekst)
{
    UstawieniaPaneli ustawienia{};
    for (QByteArray linia : tekst.split('\n')) {
        linia = linia.trimmed();
        const qsizetype równa = linia.indexOf('=');
        const qsizetype kropka = linia.indexOf('.');
        if (linia.startsWith(';') || równa < 0 || kropka < 0 || kropka > równa)
            continue;
        const QByteArray strona = linia.left(kropka);
        const QByteArray nazwa = linia.mid(kropka + 1, równa - kropka - 1).trimmed();
        const QByteArray wartość = linia.mid(równa + 1).trimmed();
        const int p = strona == strony[0] ? 0 : strona == strony[1] ? 1 : -1;
        if (p < 0)
            continue;
        UstawieniaPanelu &u = ustawienia[size_t(p)];
        if (nazwa == "kolejnosc") {
            for (int k = 0; k < int(std::size(klucze)); ++k)
                if (wartość == klucze[k])
                    u.Kolejność.Klucz = Sortowanie(k);
        } else if (nazwa == "odwrotnie" && (wartość == "0" || wartość == "1")) {
            u.Kolejność.Odwrotnie = wartość == "1";
        } else if (nazwa == "widok" && (wartość == "pelny" || wartość == "skrocony")) {
            u.Pełny = wartość == "pelny";
        }
    }
    return ustawienia;
}

UstawieniaPaneli WczytajUstawieniaPaneli(const QString &plik)
{
    QFile file(plik);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return RozbierzUstawienia(file.read(najdłuższyPlik));
}

UstawieniaPaneli ZapisaneUstawieniaPaneli()
{
    return WczytajUstawieniaPaneli(oc::platform::panelSettingsFileForReading());
}
