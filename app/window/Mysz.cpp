#include "frmMain.h"

void frmMain::Panel_Click(int p, int r)
{
    if (Gotowy)
        Widok(p).Panel_Click(r);
}

void frmMain::Panel_DblClick(int p, int r)
{
    if (Gotowy)
        Widok(p).Panel_DblClick(r);
}

void frmMain::Panel_MouseDown(int p, int r, Qt::MouseButton button)
{
    if (Gotowy)
        Widok(p).Panel_MouseDown(r, button);
}

void frmMain::Gora_Click(int p)
{
    if (Gotowy && m_aktywny != p)
        UstawAktywnyPanel(p);
}
