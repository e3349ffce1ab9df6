#include "frmMain.h"

#include "PaneleBoczne.h"

#include <actions/PytaniaOkna.h>
#include <panels/DyskPanelu.h>
#include <panels/RysowanieWierszy.h>

#include <QCoreApplication>
#include <QFrame>

using namespace oc;

bool frmMain::RuchZablokowany() const
{
    const auto &wiersze = m_panele[m_aktywny - 1]->Wiersze;
    return PanelB->isVisible() && PanelB->x() == wiersze[0]->x();
}

void frmMain::StrzałkaWDół()
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    const qint32 c = s.WierszKursora, t = s.PierwszaPozycja, L = s.OstatniWiersz;
    if (c < L) {
        w.Panel_Click(c + 1);
    } else if (t + L < s.LiczbaPozycji) {
        w.PokażPanel(t + 1);
        w.Panel_Click(L);
    }
}

void frmMain::StrzałkaWGórę()
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    if (s.WierszKursora > 0) {
        w.Panel_Click(s.WierszKursora - 1);
    } else if (s.PierwszaPozycja >= 2) {
        w.PokażPanel(s.PierwszaPozycja - 1);
        w.Panel_Click(0);
    }
}

void frmMain::StrzałkaWLewo()
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    const qint32 c = s.WierszKursora, t = s.PierwszaPozycja, k = w.WierszeKolumny();
    if (c >= k + 1) {
        w.Panel_Click(c - k);
    } else if (t == 1) {
        w.Panel_Click(0);
    } else {
        w.PokażPanel(std::max(1, t - (k - c)));
        w.Panel_Click(0);
    }
}

void frmMain::StrzałkaWPrawo()
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    const qint32 c = s.WierszKursora, t = s.PierwszaPozycja, n = s.LiczbaPozycji, k = w.WierszeKolumny();
    // Measured from the entry, not the row, so a scrolled list also ends
    // on its last entry.
    if (t + c + k > n) {
        k_End();
    } else if (c <= s.OstatniWiersz - k) {
        w.Panel_Click(c + k);
    } else {
        w.PokażPanel(t + k);
        w.Panel_Click(c);
    }
}

void frmMain::k_Home()
{
    WidokPanelu &w = Widok(m_aktywny);
    if (w.Stan.PierwszaPozycja != 1)
        w.PokażPanel(1);
    w.Panel_Click(0);
}

void frmMain::k_End()
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    if (s.LiczbaPozycji > s.OstatniWiersz) {
        w.PokażPanel(s.LiczbaPozycji - s.OstatniWiersz);
        w.Panel_Click(s.OstatniWiersz);
    } else {
        w.Panel_Click(s.LiczbaPozycji - 1);
    }
}

void frmMain::RefreshPanel(qint32 &which)
{
    if (Gora1->Napis() == Gora2->Napis())
        which = 3;
    const int aktywny = m_aktywny;
    // The active panel is drawn last, so its row click leaves it active.
    for (const int p : {3 - aktywny, aktywny}) {
        if (which != 3 && which != p)
            continue;
        WidokPanelu &w = Widok(p);
        const QString było = w.Dir.Ścieżka();
        w.OdświeżListy();
        w.WczytajPanel();
        if (w.Dir.Ścieżka() != było) {
            // The directory vanished and the panel fell back to another.
            w.Gora->UstawNapis(w.Dir.Ścieżka().toUpper());
            w.PokażPoOdczycie(MiejsceKursora{1, 0});
        } else {
            w.PokażPoOdczycie();
        }
    }
    // Refreshing the other panel alone does not take the keys away.
    if (m_aktywny != aktywny)
        UstawAktywnyPanel(aktywny);
    QCoreApplication::processEvents();
}

void frmMain::SwapPanels()
{
    std::swap(File1.Wzorzec, File2.Wzorzec);
    const QString lewy = Dir1.Ścieżka();
    Widok(1).UstawŚcieżkę(Dir2.Ścieżka());
    Widok(2).UstawŚcieżkę(lewy);
    const QString nagłówek = Gora1->Napis();
    Gora1->UstawNapis(Gora2->Napis());
    Gora2->UstawNapis(nagłówek);
    const MiejsceKursora a = Widok(1).Miejsce();
    const MiejsceKursora b = Widok(2).Miejsce();
    PomalujZwykły(Panel1[size_t(a.wiersz)]);
    PomalujZwykły(Panel2[size_t(b.wiersz)]);
    Widok(1).PrzejmijMiejsce(b);
    Widok(2).PrzejmijMiejsce(a);
    for (int p = 1; p <= 2; ++p) {
        Widok(p).WczytajPanel();
        Widok(p).PokażPanel(Widok(p).Stan.PierwszaPozycja);
    }
    const int q = 3 - m_aktywny;
    Panel_Click(m_aktywny, Widok(m_aktywny).Stan.WierszKursora);
    Panel_Click(q, Widok(q).Stan.WierszKursora);
}

void frmMain::ZmieńWolumin(int p)
{
    UstawAktywnyPanel(p);
    WidokPanelu &w = Widok(p);
    const QString wybrany = WybierzWolumin(*this, p, WoluminKatalogu(w.Dir.Ścieżka()));
    if (wybrany.isEmpty())
        return;
    const QString cel = KatalogNaWoluminie(wybrany, Widok(3 - p).Dir.Ścieżka(), m_ostatniNaWoluminie.value(wybrany));
    k_Home();
    w.UstawŚcieżkę(cel);
    w.WczytajPanel();
    w.PokażPanel(1);
    w.Gora->UstawNapis(w.Dir.Ścieżka().toUpper());
    w.CzyśćDół();
    w.Panel_Click(0);
    if (w.Stan.LiczbaPozycji == 0)
        PomalujZwykły(w.Wiersze[0]);
}
