#pragma once

#include "Klocki.h"
#include "Komorki.h"

#include <QtGlobal>
#include <array>
#include <functional>

namespace ocfalrow {

// The falling-blocks game without a window: the well, the falling piece, the
// next one and the score. The window paints Kolory and Podgląd and calls Tick
// on its clock and the moves on its keys.
class Gra
{
public:
    static constexpr int Kolumny = 10;
    static constexpr int Wiersze = 25;
    static constexpr quint32 Pusta = 0x00FFFFFF;
    static constexpr quint32 PustyPodgląd = 0x00E0E0E0;

    // A number in [0, 1) for every new piece.
    using Losowanie = std::function<double()>;
    // The random generator seeded with ziarno.
    static Losowanie zZiarna(quint32 ziarno);

    // A new game: an empty well, Wynik -10 and a piece without cells, which
    // lands on the first tick and brings the first real one.
    explicit Gra(Losowanie losowanie);

    // Cell index of board column x and row y (row 1 at the bottom).
    static int coor(int x, int y) { return x + (y - 1) * Kolumny - 1; }

    // One step of gravity: a resting piece settles, full rows go and the next
    // piece enters. False when the new piece finds its cells taken.
    bool Tick();
    // Each is refused, changing nothing, when a cell would leave the well or
    // land on a settled block; a dropped piece no longer moves.
    bool Przesuń(int kierunek);
    bool Rotera();
    // Lets the piece fall as far as it goes; it settles there.
    void Zrzuć();

    std::array<std::array<bool, Wiersze + 1>, Kolumny + 1> Plansza{}; // [column][row], true: settled block
    Komórki Kolory{Kolumny * Wiersze, Pusta};
    Komórki Podgląd{12, PustyPodgląd}; // rows 1 to 3 of NastępnyKlocek
    Pudełko Klocek;
    Pudełko NastępnyKlocek;
    int Rodzaj = 0; // 0 once the piece can fall no further
    int NastępnyRodzaj = 0;
    quint32 Kolor = 0;
    quint32 NastępnyKolor = 0;
    int PozX = 4;
    int PozY = Wiersze + 1;
    int Obrót = 1;
    int Wynik = -10;
    int UsunięteWiersze = 0; // by the last tick

private:
    void Nyfig();
    void Ner();
    bool pełny(int wiersz) const;
    bool spoczywa() const;
    bool mieściSię(const Pudełko &pudełko, int pozX, int pozY) const;
    bool naBlokach() const;
    void maluj(quint32 kolor);
    void osadź();

    template <class F>
    static void dlaKomórek(const Pudełko &pudełko, int pozX, int pozY, F &&f)
    {
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 4; ++x)
                if (pudełko(x, y))
                    f(pozX + x - 1, pozY - y + 1);
    }

    Losowanie m_losowanie;
};

} // namespace ocfalrow
