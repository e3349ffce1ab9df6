#pragma once

#include <array>

// Where the size-dependent controls of the main window lie, in twips, for
// an outer window width W and height H. At the design height nothing moves
// vertically; a taller window gives each panel column more rows, and moves
// everything under the panels down with the bottom edge.
struct UkładOkna
{
    int WierszeKolumny = 18;         // rows in each column of a panel
    int Obniżenie = 0;               // how far the status lines and all below lie under their design tops
    int Kolumna = 0;                 // width of every panel row
    std::array<int, 3> LewyPanel1{}; // left of each column of the left panel
    std::array<int, 3> LewyPanel2{};
    int Gora1Left = 0, Gora1Width = 0;
    int Gora2Left = 0, Gora2Width = 0;
    int ZegarLeft = 0;
    std::array<int, 3> DolWidth{}; // the same for both panels
    std::array<int, 3> Dol1Left{}, Dol2Left{};
    std::array<int, 4> cmdBLeft{};
    int imgGora1Left = 0, imgDol1Left = 0, imgGora2Left = 0, imgDol2Left = 0;
    int PanelWidth = 0; // the side panels
    int ShortWidth = 0;
    std::array<int, 10> ShortLeft{};
};

inline constexpr int MinimalnaSzerokość = 10785;
inline constexpr int MinimalnaWysokość = 6405;
inline constexpr int WysokośćZwinięta = 360; // rolled up to the title bar
inline constexpr int SzerokośćStrzałki = 255;
inline constexpr int GóraWierszy = 660;
inline constexpr int KrokWiersza = 240;
inline constexpr int WysokośćWiersza = 255;
inline constexpr int WierszeProjektu = 18; // in each column at the design height
inline constexpr int GóraStanu = 5040;     // the status lines at the design height
inline constexpr int WysokośćPaneluBocznego = 4935;

UkładOkna ObliczUkład(int W, int szerokośćZegara, double twipsNaPiksel, int H = MinimalnaWysokość);
