#include "frmMain.h"

#include <actions/PytaniaOkna.h>
#include <actions/ZapiszKatalogi.h>

#include <QApplication>

using namespace oc;

namespace {

// The game and the other windows of their own go with the main window, or
// the program would live on behind them.
void ZamknijInneOkna(const QWidget *główne)
{
    for (QWidget *okno : QApplication::topLevelWidgets())
        if (okno != główne && okno->isVisible())
            okno->close();
}

} // namespace

void frmMain::Form_Unload(bool &Cancel)
{
    if (!BezPytania && !ZgodaNaKoniec(*this)) {
        Cancel = true;
        return;
    }
    ZamknijInneOkna(this);
    for (int p = 1; p <= 2; ++p)
        Widok(p).Opróżnij();
    m_komponenty.ZwolnijOkienne();
    ZapiszKatalogi(Dir1.Ścieżka(), Dir2.Ścieżka());
    ZapiszUstawieniaPaneli(TekstUstawień(Ustawienia()));
}
