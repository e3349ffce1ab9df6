#pragma once

#include <QList>
#include <QString>
#include <array>

// What the menu shows: the bar's entries, each entry's items, and where the
// windows stand. Sizes are in twips.
namespace menuoc {

constexpr int LiczbaWpisów = 7;
constexpr int WysokośćPaska = 300;
constexpr int WysokośćWpisu = 270;
constexpr int SzerokośćListy = 4395; // with its border
constexpr int WysokośćPozycji = 255;
constexpr int SzerokośćTekstu = 3375;
constexpr int LewaSkrótu = 3360;
constexpr int SzerokośćSkrótu = 1000;

struct WpisPaska
{
    QString Tekst;
    int Lewa;
    int Szerokość;
};

struct Pozycja
{
    QString Tekst;
    QString Skrót; // "" shows nothing
};

const std::array<WpisPaska, LiczbaWpisów> &WpisyPaska();

// The last entry keeps to the bar's right edge, whatever its width.
int LewaWpisu(int wpis, int szerokośćPaska);

// The items of bar entry `menu`; none outside 0 to 6.
QList<Pozycja> PozycjeMenu(int menu);

// The code of the upper-cased character after the first "&", compared with
// virtual-key codes; 0 when there is none.
int KodDostępu(const QString &tekst);

// The screen left of the list under an entry: below its left edge, or
// right-aligned under it when the list would pass the screen's right edge.
int LewaListy(int lewaWpisu, int szerokośćWpisu, int lewaPaska, int prawaEkranu);

} // namespace menuoc
