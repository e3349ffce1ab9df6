#include "Gra.h"

#include <QRandomGenerator>
#include <algorithm>
#include <memory>

namespace ocfalrow {

Gra::Losowanie Gra::zZiarna(quint32 ziarno)
{
    auto generator = std::make_shared<QRandomGenerator>(ziarno);
    return [generator] { return generator->generateDouble(); };
}

Gra::Gra(Losowanie losowanie) : m_losowanie(std::move(losowanie))
{
    Nyfig();
}

bool Gra::Tick()
{
    UsunięteWiersze = 0;
    if (spoczywa())
        Rodzaj = 0;
    if (Rodzaj == 0) {
        osadź();
        Ner();
        Nyfig();
    } else {
        maluj(Pusta);
    }
    --PozY;
    // Settled blocks of the piece's own colour count as taken too.
    if (naBlokach())
        return false;
    maluj(Kolor);
    return true;
}

bool Gra::Przesuń(int kierunek)
{
    // A dropped piece is already marked in Plansza; moving it would leave
    // taken cells behind that show as empty.
    if (Rodzaj == 0 || !mieściSię(Klocek, PozX + kierunek, PozY))
        return false;
    maluj(Pusta);
    PozX += kierunek;
    maluj(Kolor);
    return true;
}

bool Gra::Rotera()
{
    if (Rodzaj <= 1)
        return false;
    const int stan = NastępnyStan(Rodzaj, Obrót);
    const Pudełko nowe = Kształt(Rodzaj, stan);
    if (!mieściSię(nowe, PozX, PozY))
        return false;
    maluj(Pusta);
    Klocek = nowe;
    Obrót = stan;
    maluj(Kolor);
    return true;
}

void Gra::Zrzuć()
{
    if (Rodzaj == 0)
        return;
    maluj(Pusta);
    while (!spoczywa())
        --PozY;
    Rodzaj = 0;
    maluj(Kolor);
    osadź();
}

void Gra::Nyfig()
{
    Rodzaj = NastępnyRodzaj;
    Kolor = NastępnyKolor;
    Klocek = NastępnyKlocek;
    NastępnyRodzaj = std::clamp(int(m_losowanie() * LiczbaRodzajów) + 1, 1, LiczbaRodzajów);
    NastępnyKlocek = Kształt(NastępnyRodzaj, 1);
    NastępnyKolor = KolorRodzaju(NastępnyRodzaj);
    PozX = 4;
    PozY = Wiersze + 1;
    Obrót = 1;
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 4; ++x)
            Podgląd.Maluj((y - 1) * 4 + x - 1, NastępnyKlocek(x, y) ? NastępnyKolor : PustyPodgląd);
}

void Gra::Ner()
{
    Wynik += 10;
    // Downwards, so that the rows above a cleared one have been looked at
    // already and move down as they are.
    for (int wiersz = Wiersze; wiersz >= 1; --wiersz) {
        if (!pełny(wiersz))
            continue;
        ++UsunięteWiersze;
        Wynik += 150;
        for (int x = 1; x <= Kolumny; ++x) {
            for (int r = wiersz; r < Wiersze; ++r) {
                Plansza[x][r] = Plansza[x][r + 1];
                Kolory.Maluj(coor(x, r), Kolory[coor(x, r + 1)]);
            }
            // Kept as it was, the top row would show twice.
            Plansza[x][Wiersze] = false;
            Kolory.Maluj(coor(x, Wiersze), Pusta);
        }
    }
}

bool Gra::pełny(int wiersz) const
{
    for (int x = 1; x <= Kolumny; ++x)
        if (!Plansza[x][wiersz])
            return false;
    return true;
}

bool Gra::spoczywa() const
{
    bool spoczywa = false;
    dlaKomórek(Klocek, PozX, PozY, [&](int x, int y) { spoczywa = spoczywa || y == 1 || Plansza[x][y - 1]; });
    return spoczywa;
}

bool Gra::mieściSię(const Pudełko &pudełko, int pozX, int pozY) const
{
    bool mieści = true;
    dlaKomórek(pudełko, pozX, pozY, [&](int x, int y) {
        mieści = mieści && x >= 1 && x <= Kolumny && y >= 1 && y <= Wiersze && !Plansza[x][y];
    });
    return mieści;
}

bool Gra::naBlokach() const
{
    bool zajęte = false;
    dlaKomórek(Klocek, PozX, PozY, [&](int x, int y) { zajęte = zajęte || Plansza[x][y]; });
    return zajęte;
}

void Gra::maluj(quint32 kolor)
{
    dlaKomórek(Klocek, PozX, PozY, [&](int x, int y) { Kolory.Maluj(coor(x, y), kolor); });
}

void Gra::osadź()
{
    dlaKomórek(Klocek, PozX, PozY, [&](int x, int y) { Plansza[x][y] = true; });
}

} // namespace ocfalrow
