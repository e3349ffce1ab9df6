#include "frmMain.h"

#include "PaneleBoczne.h"

#include <ui/Twips.h>

#include <QFrame>
#include <QLabel>

using namespace oc;

namespace {

constexpr int szerokośćZegara = 615;

} // namespace

void frmMain::ZastosujUkład(int W, int H)
{
    m_układ = ObliczUkład(W, szerokośćZegara, ui::twipsPerPixel(), H);
    const UkładOkna &u = m_układ;
    const int dy = u.Obniżenie;

    Widok(1).Ułóż(u);
    Widok(2).Ułóż(u);
    ui::placeTwips(Zegar, u.ZegarLeft, 360, szerokośćZegara, 255);

    ui::resizeTwips(Label1, W, 275);
    for (int i = 0; i < 4; ++i)
        ui::moveTwips(cmdB[size_t(i)], u.cmdBLeft[size_t(i)], 15);

    UłóżLinięPoleceń();

    const int wysokośćBoczna = WysokośćPaneluBocznego + dy;
    Panel->Ułóż(u.PanelWidth, wysokośćBoczna);
    PanelB->Ułóż(u.PanelWidth, wysokośćBoczna);

    const double piksel = ui::twipsPerPixel();
    for (int i = 0; i < 10; ++i) {
        ui::placeTwips(Short[size_t(i)], u.ShortLeft[size_t(i)], 5700 + dy, u.ShortWidth, 255);
        const int szerokośćCyfry = ui::widthTwips(ShortCyfra[size_t(i)]);
        ui::placeTwips(ShortCyfra[size_t(i)], u.ShortLeft[size_t(i)] - (piksel + szerokośćCyfry), 5720 + dy,
                       szerokośćCyfry, 195);
    }
    // The search box keeps to the bottom edge, where the load first put it.
    ui::moveTwips(picWyszukaj, ui::leftTwips(picWyszukaj), H - int(12 * piksel + 495));
}

void frmMain::UłóżLinięPoleceń()
{
    const int W = ui::widthTwips(this);
    const int góra = 5340 + m_układ.Obniżenie;
    const int wskaźnik = ui::widthTwips(Wskaznik);
    // A line wider than the window scrolls left, the prompt first, so the
    // caret stays in sight; its caret phase does not move it.
    const int tekst = ui::toTwips(DOSLab->fontMetrics().horizontalAdvance(Linia().Tekst() + u'_'));
    const int przesunięcie = std::max(0, wskaźnik + tekst - W);
    ui::moveTwips(Wskaznik, -przesunięcie, góra);
    ui::placeTwips(DOSLab, wskaźnik - przesunięcie, góra, W - wskaźnik + przesunięcie, 270);
    ui::placeTwips(DosLab2, 0, 5610 + m_układ.Obniżenie, ui::widthTwips(DOSLab) + wskaźnik, 30);
}
