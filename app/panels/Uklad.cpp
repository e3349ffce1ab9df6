#include "Uklad.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds halves to even, as the layout's integer conversions do.
int Zaokrąglij(double wartość)
{
    return int(std::nearbyint(wartość));
}

} // namespace

UkładOkna ObliczUkład(int W, int szerokośćZegara, double twipsNaPiksel, int H)
{
    UkładOkna u;
    u.Obniżenie = std::max(0, H - MinimalnaWysokość);
    u.WierszeKolumny = WierszeProjektu + u.Obniżenie / KrokWiersza;
    const int c = Zaokrąglij(Zaokrąglij(W - 600) / 6.0);
    u.Kolumna = c;
    u.LewyPanel1 = {120, c + 165, 2 * c + 210};
    // The right panel's gaps are 55 and 35, not 45 and 45.
    u.LewyPanel2 = {3 * c + 285, 4 * c + 340, 5 * c + 375};

    const int prawyKoniec = u.LewyPanel1[2] + c;
    u.Gora1Left = u.LewyPanel1[0];
    u.Gora1Width = prawyKoniec - 120;
    u.Gora2Left = u.LewyPanel2[0];
    u.Gora2Width = prawyKoniec - (szerokośćZegara + 120);
    u.ZegarLeft = u.Gora2Left + u.Gora2Width;

    const int p = Zaokrąglij(u.Gora1Width / 100.0);
    u.DolWidth = {49 * p, 17 * p, 0};
    u.DolWidth[2] = u.Gora1Width - (u.DolWidth[1] + u.DolWidth[0]) + 30;
    u.Dol1Left[0] = u.LewyPanel1[0];
    u.Dol2Left[0] = u.LewyPanel2[0];
    for (int i = 1; i < 3; ++i) {
        u.Dol1Left[i] = u.Dol1Left[i - 1] + u.DolWidth[i - 1] - 15;
        u.Dol2Left[i] = u.Dol2Left[i - 1] + u.DolWidth[i - 1] - 15;
    }

    u.cmdBLeft = {W - 960, W - 400, W - 1300, W - 720};

    u.imgGora1Left = u.Gora1Left + u.Gora1Width - SzerokośćStrzałki;
    u.imgDol1Left = u.imgGora1Left;
    u.imgGora2Left = u.Gora2Left + u.Gora2Width - SzerokośćStrzałki;
    u.imgDol2Left = u.Dol2Left[2] + u.DolWidth[2] - SzerokośćStrzałki;

    u.PanelWidth = prawyKoniec - u.LewyPanel1[0];

    const int jednostka = W / 10;
    u.ShortWidth = jednostka - 240;
    for (int i = 0; i < 10; ++i)
        u.ShortLeft[i] = jednostka * i + 240 - Zaokrąglij(4 * twipsNaPiksel);
    return u;
}
