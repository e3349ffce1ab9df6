#include "frmMain.h"

#include "RysowanieWierszy.h"

#include <platform/Directory.h>
#include <platform/Volumes.h>
#include <shell/Kolory.h>
#include <shell/Sloty.h>
#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QCoreApplication>
#include <QFrame>

using namespace oc;

bool frmMain::RuchZablokowany() const
{
    const auto &wiersze = AktywnyPanel == 1 ? Panel1 : Panel2;
    return PanelB->isVisible() && PanelB->x() == wiersze[0]->x();
}

void frmMain::StrzałkaWDół()
{
    const int p = AktywnyPanel;
    const StanPanelu &s = panel(p);
    const qint32 c = s.WierszKursora, t = s.PierwszaPozycja, L = s.OstatniWiersz;
    if (c < L) {
        Panel_Click(p, c + 1);
    } else if (t + L < s.LiczbaPozycji) {
        PokażPanel(p, t + 1);
        Panel_Click(p, L);
    }
}

void frmMain::StrzałkaWGórę()
{
    const int p = AktywnyPanel;
    const StanPanelu &s = panel(p);
    if (s.WierszKursora > 0) {
        Panel_Click(p, s.WierszKursora - 1);
    } else if (s.PierwszaPozycja >= 2) {
        PokażPanel(p, s.PierwszaPozycja - 1);
        Panel_Click(p, 0);
    }
}

void frmMain::StrzałkaWLewo()
{
    const int p = AktywnyPanel;
    const StanPanelu &s = panel(p);
    const qint32 c = s.WierszKursora, t = s.PierwszaPozycja;
    if (c >= 19) {
        Panel_Click(p, c - 18);
    } else if (t == 1) {
        Panel_Click(p, 0);
    } else {
        PokażPanel(p, std::max(1, t - (18 - c)));
        Panel_Click(p, 0);
    }
}

void frmMain::StrzałkaWPrawo()
{
    const int p = AktywnyPanel;
    const StanPanelu &s = panel(p);
    const qint32 c = s.WierszKursora, t = s.PierwszaPozycja, n = s.LiczbaPozycji;
    // Measured from the entry, not the row, so a scrolled list also ends
    // on its last entry.
    if (t + c + 18 > n) {
        k_End();
    } else if (c <= s.OstatniWiersz - 18) {
        Panel_Click(p, c + 18);
    } else {
        PokażPanel(p, t + 18);
        Panel_Click(p, c);
    }
}

void frmMain::k_Home()
{
    const int p = AktywnyPanel;
    if (panel(p).PierwszaPozycja != 1)
        PokażPanel(p, 1);
    Panel_Click(p, 0);
}

void frmMain::k_End()
{
    const int p = AktywnyPanel;
    const StanPanelu &s = panel(p);
    if (s.LiczbaPozycji > s.OstatniWiersz) {
        PokażPanel(p, s.LiczbaPozycji - s.OstatniWiersz);
        Panel_Click(p, s.OstatniWiersz);
    } else {
        Panel_Click(p, s.LiczbaPozycji - 1);
    }
}

void frmMain::RefreshPanel(qint32 &which)
{
    if (Gora1->Napis() == Gora2->Napis())
        which = 3;
    const int aktywny = AktywnyPanel;
    // The active panel is drawn last, so its row click leaves it active.
    for (const int p : {3 - aktywny, aktywny}) {
        if (which != 3 && which != p)
            continue;
        const QString było = Dir(p).Ścieżka();
        OdświeżListy(p);
        WczytajPanel(p);
        StanPanelu &s = panel(p);
        if (Dir(p).Ścieżka() != było) {
            // The directory vanished and the panel fell back to another.
            Gora(p)->UstawNapis(Dir(p).Ścieżka().toUpper());
            s.WierszKursora = 0;
            s.PierwszaPozycja = 1;
        }
        PokażPanel(p, s.PierwszaPozycja);
        Panel_Click(p, s.WierszKursora);
        if (s.LiczbaPozycji == 0) {
            PomalujZwykły(Wiersze(p)[size_t(s.WierszKursora)]);
            CzyśćDół(p);
        }
    }
    // Refreshing the other panel alone does not take the keys away.
    if (AktywnyPanel != aktywny)
        UstawAktywnyPanel(aktywny);
    QCoreApplication::processEvents();
}

void frmMain::SwapPanels()
{
    std::swap(File1.Wzorzec, File2.Wzorzec);
    const QString lewy = Dir1.Ścieżka();
    UstawŚcieżkę(1, Dir2.Ścieżka());
    UstawŚcieżkę(2, lewy);
    const QString nagłówek = Gora1->Napis();
    Gora1->UstawNapis(Gora2->Napis());
    Gora2->UstawNapis(nagłówek);
    StanPanelu &a = panel(1);
    StanPanelu &b = panel(2);
    std::swap(a.PierwszaPozycja, b.PierwszaPozycja);
    PomalujZwykły(Panel1[size_t(a.WierszKursora)]);
    PomalujZwykły(Panel2[size_t(b.WierszKursora)]);
    std::swap(a.WierszKursora, b.WierszKursora);
    WczytajPanel(1);
    WczytajPanel(2);
    PokażPanel(1, a.PierwszaPozycja);
    PokażPanel(2, b.PierwszaPozycja);
    if (AktywnyPanel == 1) {
        Panel_Click(1, a.WierszKursora);
        Panel_Click(2, b.WierszKursora);
    } else {
        Panel_Click(2, b.WierszKursora);
        Panel_Click(1, a.WierszKursora);
    }
}

void frmMain::ZmieńWolumin(int p)
{
    UstawAktywnyPanel(p);
    if (!Sloty().Dialogi)
        return;
    const float x = float(ui::toTwips(this->x()) + (p == 1 ? 1680 : 7000));
    const float y = float(ui::toTwips(this->y()) + 1900);
    const QString wybrany = Sloty().Dialogi
                                ->call(u"WybierzDysk", x, y, platform::volumeOf(Dir(p).Ścieżka()), qint16(p))
                                .toString();
    if (wybrany.isEmpty())
        return;
    // The other panel's directory when it lies there, else the last one
    // shown there, else the volume's mount point.
    QString cel = wybrany;
    const QString drugi = Dir(3 - p).Ścieżka();
    if (platform::volumeOf(drugi) == wybrany)
        cel = drugi;
    else if (const QString ostatni = m_ostatniNaWoluminie.value(wybrany); !ostatni.isEmpty() && platform::canEnter(ostatni))
        cel = ostatni;
    k_Home();
    UstawŚcieżkę(p, cel);
    WczytajPanel(p);
    PokażPanel(p, 1);
    Gora(p)->UstawNapis(Dir(p).Ścieżka().toUpper());
    CzyśćDół(p);
    Panel_Click(p, 0);
    if (panel(p).LiczbaPozycji == 0)
        PomalujZwykły(Wiersze(p)[0]);
}
