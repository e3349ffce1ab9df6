#include "Atrybuty.h"

#include "Gospodarz.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

void AttribFile(Gospodarz &okno)
{
    const int p = okno.AktywnyPanel();
    WidokPanelu &panel = okno.Widok(p);
    QWidget *nad = okno.Okno();
    Component *atrybuty = Sloty().Historia.get();
    const QString klasa = QStringLiteral("oc2.Ocmd");
    const float x = float(ui::leftTwips(nad));
    const float y = float(ui::topTwips(nad) + 1000);
    if (!panel.SąZaznaczone()) {
        const std::optional<WybranaPozycja> kursor = panel.PodKursorem();
        if (!kursor)
            return;
        const QString &ścieżka = kursor->ścieżka;
        if (!kursor->katalog) {
            Wywołaj(nad, atrybuty, klasa, QStringLiteral("ShowAttribWindow"), x + 2000, y, ścieżka);
            return;
        }
        if (Wywołaj(nad, atrybuty, klasa, QStringLiteral("ClearAtribLists"))
            && Wywołaj(nad, atrybuty, klasa, QStringLiteral("AddAtribDir"), ścieżka))
            Wywołaj(nad, atrybuty, klasa, QStringLiteral("ShowAtrib2"), x + 3000, y);
        return;
    }
    if (!Wywołaj(nad, atrybuty, klasa, QStringLiteral("ClearAtribLists")))
        return;
    for (const WybranaPozycja &pozycja : panel.Zaznaczone())
        if (!Wywołaj(nad, atrybuty, klasa,
                     pozycja.katalog ? QStringLiteral("AddAtribDir") : QStringLiteral("AddAtribFile"), pozycja.ścieżka))
            return;
    const std::optional<QVariant> wynik = Wywołaj(nad, atrybuty, klasa, QStringLiteral("ShowAtrib2"), x + 3000, y);
    if (wynik && wynik->toInt() != 0)
        okno.OdświeżPanel(p);
}
