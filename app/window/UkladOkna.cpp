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

    Widok(1).Ułóż(u);
    Widok(2).Ułóż(u);
    ui::placeTwips(Zegar, u.ZegarLeft, 360, szerokośćZegara, 255);

    ui::resizeTwips(Label1, W, 275);
    for (int i = 0; i < 4; ++i)
        ui::moveTwips(cmdB[size_t(i)], u.cmdBLeft[size_t(i)], 15);

    UłóżLinięPoleceń();

    ui::resizeTwips(Panel, u.PanelWidth, ui::heightTwips(Panel));
    ui::resizeTwips(PanelB, u.PanelWidth, ui::heightTwips(PanelB));
    UłóżPaneleBoczne(u.PanelWidth);

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
