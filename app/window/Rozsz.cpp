#include "frmMain.h"

#include <ui/Colors.h>

using namespace oc;

void frmMain::Rozsz(int p)
{
    const WidokPanelu &w = Widok(p);
    const bool plik = w.PozycjaKursora() > w.Stan.LiczbaKatalogów;
    ui::setForeground(Short[2], plik ? 0 : ui::toBgr(palette().color(QPalette::Disabled, QPalette::WindowText)));
}
