#include "Porzadek.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// The letters in the Polish order; each takes the next unit from "a" on, and
// every other unit above "a" moves up by the nine letters let in.
constexpr char16_t alfabet[] = u"aąbcćdeęfghijklłmnńoóp"
                               u"qrsśtuvwxyzźż";
constexpr int wstawione = int(std::size(alfabet)) - 1 - 26;
// Every Polish letter lies below this unit.
constexpr int zakresTablicy = 0x180;

constexpr auto tablica = [] {
    std::array<char16_t, zakresTablicy> t{};
    for (int c = 0; c < zakresTablicy; ++c)
        t[size_t(c)] = char16_t(c < u'a' ? c : c + wstawione);
    for (int i = 0; alfabet[i]; ++i)
        t[alfabet[i]] = char16_t(u'a' + i);
    return t;
}();

char16_t Jednostka(QChar znak)
{
    const char16_t c = znak.toLower().unicode();
    if (c < zakresTablicy)
        return tablica[c];
    return char16_t(std::min(int(c) + wstawione, 0xFFFF));
}

} // namespace

Porządek NastępnyPorządek(Porządek teraz, Sortowanie klucz)
{
    if (teraz.Klucz == klucz)
        return {klucz, !teraz.Odwrotnie};
    return {klucz, false};
}

QString KluczNazwy(QStringView nazwa)
{
    QString klucz(nazwa.size(), Qt::Uninitialized);
    QChar *cel = klucz.data();
    for (const QChar znak : nazwa)
        *cel++ = QChar(Jednostka(znak));
    return klucz;
}

int PorównajNazwy(QStringView a, QStringView b)
{
    if (const int w = QStringView(KluczNazwy(a)).compare(KluczNazwy(b)))
        return w;
    return a.compare(b);
}

QStringView Rozszerzenie(QStringView nazwa)
{
    const qsizetype kropka = nazwa.lastIndexOf(u'.');
    return kropka > 0 ? nazwa.mid(kropka + 1) : QStringView();
}

std::vector<qint32> KolejnośćWpisów(const std::vector<oc::platform::EntryInfo> &wpisy, Porządek porządek, bool katalogi)
{
    std::vector<qint32> kolejność(wpisy.size());
    std::iota(kolejność.begin(), kolejność.end(), 0);
    Sortowanie klucz = porządek.Klucz;
    if (katalogi && (klucz == Sortowanie::Rozszerzenie || klucz == Sortowanie::Rozmiar))
        klucz = Sortowanie::Nazwa;
    if (klucz != Sortowanie::Brak) {
        // Keys made once per entry keep each comparison a plain one.
        std::vector<QString> nazwy(wpisy.size()), rozszerzenia;
        std::vector<qint64> czasy;
        for (size_t i = 0; i < wpisy.size(); ++i)
            nazwy[i] = KluczNazwy(wpisy[i].name);
        if (klucz == Sortowanie::Rozszerzenie) {
            rozszerzenia.resize(wpisy.size());
            for (size_t i = 0; i < wpisy.size(); ++i)
                rozszerzenia[i] = KluczNazwy(Rozszerzenie(wpisy[i].name));
        } else if (klucz == Sortowanie::Data) {
            czasy.resize(wpisy.size());
            for (size_t i = 0; i < wpisy.size(); ++i)
                czasy[i] = wpisy[i].modified.toMSecsSinceEpoch();
        }
        std::sort(kolejność.begin(), kolejność.end(), [&](qint32 a, qint32 b) {
            const size_t x = size_t(a), y = size_t(b);
            switch (klucz) {
            case Sortowanie::Rozszerzenie:
                if (const int w = rozszerzenia[x].compare(rozszerzenia[y]))
                    return w < 0;
                break;
            case Sortowanie::Data:
                if (czasy[x] != czasy[y])
                    return czasy[x] > czasy[y];
                break;
            case Sortowanie::Rozmiar:
                if (wpisy[x].size != wpisy[y].size)
                    return wpisy[x].size > wpisy[y].size;
                break;
            default: break;
            }
            if (const int w = nazwy[x].compare(nazwy[y]))
                return w < 0;
            if (const int w = wpisy[x].name.compare(wpisy[y].name))
                return w < 0;
            return a < b;
        });
    }
    if (porządek.Odwrotnie)
        std::reverse(kolejność.begin(), kolejność.end());
    return kolejność;
}
