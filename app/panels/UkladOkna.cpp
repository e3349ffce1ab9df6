#include "frmMain.h"

#include <ui/Twips.h>

#include <QFrame>
#include <QLabel>

using namespace oc;

namespace {

constexpr int szerokośćZegara = 615;

} // namespace

void frmMain::ZastosujUkład(int W)
{
    m_układ = ObliczUkład(W, szerokośćZegara, ui::twipsPerPixel());
    const UkładOkna &u = m_układ;

    for (int r = 0; r < 54; ++r) {
        const int kolumna = r / 18;
        const int góra = 660 + 240 * (r % 18);
        ui::placeTwips(Panel1[size_t(r)], u.LewyPanel1[size_t(kolumna)], góra, u.Kolumna, 255);
        ui::placeTwips(Panel2[size_t(r)], u.LewyPanel2[size_t(kolumna)], góra, u.Kolumna, 255);
    }
    ui::placeTwips(Gora1, u.Gora1Left, 360, u.Gora1Width, 255);
    ui::placeTwips(Gora2, u.Gora2Left, 360, u.Gora2Width, 255);
    ui::placeTwips(Zegar, u.ZegarLeft, 360, szerokośćZegara, 255);

    for (int p = 1; p <= 2; ++p) {
        auto &stan = Dol(p);
        const auto &lewy = p == 1 ? u.Dol1Left : u.Dol2Left;
        for (int i = 0; i < 3; ++i)
            ui::placeTwips(stan[size_t(i)], lewy[size_t(i)], 5040, u.DolWidth[size_t(i)], 255);
        // The summary spans the whole status line.
        if (stan[1]->isHidden())
            ui::resizeTwips(stan[0], u.Gora1Width, 255);
    }

    ui::resizeTwips(Label1, W, 275);
    for (int i = 0; i < 4; ++i)
        ui::moveTwips(cmdB[size_t(i)], u.cmdBLeft[size_t(i)], 15);

    UłóżLinięPoleceń();

    ui::placeTwips(imgGora[1], u.imgGora1Left, 360, SzerokośćStrzałki, 255);
    ui::placeTwips(imgDol[1], u.imgDol1Left, 5040, SzerokośćStrzałki, 255);
    ui::placeTwips(imgGora[2], u.imgGora2Left, 360, SzerokośćStrzałki, 255);
    ui::placeTwips(imgDol[2], u.imgDol2Left, 5040, SzerokośćStrzałki, 255);

    ui::resizeTwips(Panel, u.PanelWidth, ui::heightTwips(Panel));
    ui::resizeTwips(PanelB, u.PanelWidth, ui::heightTwips(PanelB));

    const double piksel = ui::twipsPerPixel();
    for (int i = 0; i < 10; ++i) {
        ui::placeTwips(Short[size_t(i)], u.ShortLeft[size_t(i)], 5700, u.ShortWidth, 255);
        const int szerokośćCyfry = ui::widthTwips(ShortCyfra[size_t(i)]);
        ui::placeTwips(ShortCyfra[size_t(i)], u.ShortLeft[size_t(i)] - (piksel + szerokośćCyfry), 5720,
                       szerokośćCyfry, 195);
    }
}

void frmMain::UłóżLinięPoleceń()
{
    const int W = ui::widthTwips(this);
    const int lewy = ui::leftTwips(Wskaznik) + ui::widthTwips(Wskaznik);
    ui::placeTwips(DOSLab, lewy, 5340, W - ui::widthTwips(Wskaznik), 270);
    ui::resizeTwips(DosLab2, ui::widthTwips(DOSLab) + ui::widthTwips(Wskaznik), 30);
}
