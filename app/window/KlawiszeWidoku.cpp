#include "frmMain.h"

#include <ui/Keys.h>

#include <QWheelEvent>

using namespace oc;

namespace {

constexpr int pozycjeNaZąbek = 3;
constexpr int ząbek = 120; // eighths of a degree

} // namespace

bool frmMain::KlawiszWidoku(int KeyCode, int Shift)
{
    const bool strona = KeyCode == ui::vk::Prior || KeyCode == ui::vk::Next;
    const bool zCtrl = Shift == 2 && (KeyCode == ui::vk::Prior || (KeyCode >= ui::vk::F1 && KeyCode <= ui::vk::F7));
    if (!(strona && Shift == 0) && !zCtrl)
        return false;
    if (RuchZablokowany())
        return true;
    WidokPanelu &w = Widok(m_aktywny);
    switch (KeyCode) {
    case ui::vk::Prior: Shift == 2 ? w.DoNadrzędnego() : w.StronaWGórę(); break;
    case ui::vk::Next: w.StronaWDół(); break;
    case ui::vk::F1:
    case ui::vk::F2: w.UstawWidok(KeyCode == ui::vk::F2); break;
    default: // Ctrl+F3 to Ctrl+F7: name, extension, date, size, none
        w.Sortuj(Sortowanie(KeyCode - ui::vk::F3));
        break;
    }
    return true;
}

void frmMain::wheelEvent(QWheelEvent *event)
{
    const QPoint punkt = event->position().toPoint();
    int p = 0;
    for (int q = 1; q <= 2; ++q)
        if (Widok(q).Obszar().contains(punkt) && !Widok(q).Wiersze.front()->isHidden())
            p = q;
    if (!Gotowy || !p) {
        event->ignore();
        return;
    }
    event->accept();
    // A fine wheel sends parts of a notch; they add up to whole ones.
    m_kółko += event->angleDelta().y();
    const int ząbki = m_kółko / ząbek;
    m_kółko -= ząbki * ząbek;
    if (ząbki)
        Widok(p).Przewiń(-pozycjeNaZąbek * ząbki);
}

void frmMain::UstawUstawienia(const UstawieniaPaneli &ustawienia)
{
    for (int p = 1; p <= 2; ++p) {
        Widok(p).UstawPorządek(ustawienia[size_t(p - 1)].Kolejność);
        Widok(p).UstawWidok(ustawienia[size_t(p - 1)].Pełny);
    }
}

UstawieniaPaneli frmMain::Ustawienia() const
{
    UstawieniaPaneli ustawienia;
    for (int p = 0; p < 2; ++p)
        ustawienia[size_t(p)] = {m_panele[p]->Kolejność(), m_panele[p]->Pełny()};
    return ustawienia;
}
