#include "Klocki.h"

namespace ocfalrow {

namespace {

struct Komórka
{
    int x;
    int y;
};

using Stan = std::array<Komórka, 4>;

struct Rodzaj
{
    quint32 kolor;
    int stany;
    std::array<Stan, 4> komórki;
};

constexpr quint32 rgb(int r, int g, int b)
{
    return quint32(r) | quint32(g) << 8 | quint32(b) << 16;
}

const std::array<Rodzaj, LiczbaRodzajów> rodzaje{{
    {rgb(255, 0, 0), 1, {{{{{2, 2}, {3, 2}, {2, 3}, {3, 3}}}}}},
    {rgb(0, 180, 0), 2, {{{{{1, 2}, {2, 2}, {3, 2}, {4, 2}}}, {{{2, 1}, {2, 2}, {2, 3}, {2, 4}}}}}},
    {rgb(255, 150, 0),
     4,
     {{{{{2, 1}, {3, 1}, {3, 2}, {3, 3}}},
       {{{4, 1}, {4, 2}, {3, 2}, {2, 2}}},
       {{{3, 3}, {2, 3}, {2, 2}, {2, 1}}},
       {{{2, 2}, {2, 1}, {3, 1}, {4, 1}}}}}},
    {rgb(100, 100, 100),
     4,
     {{{{{3, 1}, {2, 1}, {2, 2}, {2, 3}}},
       {{{2, 1}, {3, 1}, {4, 1}, {4, 2}}},
       {{{3, 1}, {3, 2}, {3, 3}, {2, 3}}},
       {{{2, 1}, {2, 2}, {3, 2}, {4, 2}}}}}},
    {rgb(200, 0, 200),
     4,
     {{{{{3, 1}, {3, 2}, {3, 3}, {2, 2}}},
       {{{3, 1}, {2, 2}, {3, 2}, {4, 2}}},
       {{{2, 1}, {2, 2}, {2, 3}, {3, 2}}},
       {{{2, 1}, {3, 1}, {4, 1}, {3, 2}}}}}},
    {rgb(100, 100, 255), 2, {{{{{2, 1}, {2, 2}, {3, 2}, {3, 3}}}, {{{2, 2}, {3, 2}, {3, 1}, {4, 1}}}}}},
    {rgb(0, 200, 200), 2, {{{{{3, 1}, {3, 2}, {2, 2}, {2, 3}}}, {{{2, 1}, {3, 1}, {3, 2}, {4, 2}}}}}},
}};

bool istnieje(int rodzaj)
{
    return rodzaj >= 1 && rodzaj <= LiczbaRodzajów;
}

} // namespace

quint32 KolorRodzaju(int rodzaj)
{
    return istnieje(rodzaj) ? rodzaje[rodzaj - 1].kolor : 0;
}

Pudełko Kształt(int rodzaj, int stan)
{
    Pudełko pudełko;
    if (!istnieje(rodzaj) || stan < 1 || stan > rodzaje[rodzaj - 1].stany)
        return pudełko;
    for (const Komórka &komórka : rodzaje[rodzaj - 1].komórki[stan - 1])
        pudełko.wypełnij(komórka.x, komórka.y);
    return pudełko;
}

int NastępnyStan(int rodzaj, int stan)
{
    if (!istnieje(rodzaj))
        return 1;
    return stan % rodzaje[rodzaj - 1].stany + 1;
}

} // namespace ocfalrow
