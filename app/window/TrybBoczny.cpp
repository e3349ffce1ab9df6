#include "PaneleBoczne.h"
#include "frmMain.h"

#include <panels/Kolory.h>
#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QLabel>

using namespace oc;

void frmMain::PanelL()
{
    ui::moveTwips(Panel, ui::leftTwips(Panel), ui::topTwips(Gora1));
    Panel->PokażWersję();
    if (TrybPaneluInfo == 2) {
        VisibleX2(true);
        TrybPaneluInfo = 0;
        PanelB->PorzućLiczenie();
    }
    if (TrybPaneluInfo == 0) {
        TrybPaneluInfo = 1;
        ui::moveTwips(Panel, ui::leftTwips(Widok(3 - m_aktywny).Wiersze[0]), ui::topTwips(Panel));
        VisibleX(false);
        Panel->PanelInfo(Widok(m_aktywny));
    } else {
        TrybPaneluInfo = 0;
        VisibleX(true);
    }
    Panel->WyśrodkujDysk();
}

void frmMain::PokażPanelPod(QFrame *boczny, bool v)
{
    const int p = m_aktywny;
    const int q = 3 - p;
    // Standing over the active panel, the side panel gives the keys away first.
    if (Widok(p).Wiersze[0]->x() == boczny->x()) {
        UstawAktywnyPanel(q);
        PokażPanelPod(boczny, v);
        return;
    }
    WidokPanelu &zakryty = Widok(q);
    for (EtykietaPanelu *wiersz : zakryty.Wiersze)
        wiersz->setVisible(v);
    for (EtykietaPanelu *stan : zakryty.Dol)
        stan->setVisible(v && (stan == zakryty.Dol[0] || zakryty.Stan.IleZaznaczonych == 0));
    zakryty.Gora->setVisible(v);
    zakryty.imgGora->setVisible(v);
    zakryty.imgDol->setVisible(v);
    boczny->setVisible(!v);
    if (!v)
        boczny->raise();
    KolorTytułuBocznego();
}

void frmMain::KolorTytułuBocznego()
{
    const Kolory &k = kolory();
    const auto tytuł = [&](QFrame *boczny, QLabel *etykieta) {
        if (!boczny->isVisible())
            return;
        const bool nadAktywnym = boczny->x() == Widok(m_aktywny).Wiersze[0]->x();
        ui::setBackground(etykieta, nadAktywnym ? k.fileselbackground : k.filebackground);
        ui::setForeground(etykieta, nadAktywnym ? k.fileseltext : k.filetext);
    };
    tytuł(Panel, Panel->Tytuł());
    tytuł(PanelB, PanelB->Tytuł());
}

void frmMain::VisibleX(bool v)
{
    PokażPanelPod(Panel, v);
}

void frmMain::VisibleX2(bool v)
{
    PokażPanelPod(PanelB, v);
}

void frmMain::PanelQ()
{
    if (TrybPaneluInfo == 1) {
        VisibleX(true);
        TrybPaneluInfo = 0;
    }
    if (TrybPaneluInfo == 0) {
        TrybPaneluInfo = 2;
        ui::moveTwips(PanelB, ui::leftTwips(Widok(3 - m_aktywny).Wiersze[0]), ui::topTwips(Gora1));
        VisibleX2(false);
        PanelB->CtrlQInfo(Widok(m_aktywny));
    } else {
        VisibleX2(true);
        TrybPaneluInfo = 0;
        PanelB->PorzućLiczenie();
    }
}

void frmMain::OdświeżPanelBoczny(int p)
{
    if (p != m_aktywny)
        return;
    if (TrybPaneluInfo == 1)
        Panel->PanelInfo(Widok(p));
    else if (TrybPaneluInfo == 2)
        PanelB->CtrlQInfo(Widok(p));
}
