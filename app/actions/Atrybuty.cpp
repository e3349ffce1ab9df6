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
    const float x = float(ui::leftTwips(nad));
    const float y = float(ui::topTwips(nad) + 1000);
    if (!panel.SąZaznaczone()) {
        const std::optional<WybranaPozycja> kursor = panel.PodKursorem();
        if (!kursor)
            return;
        const QString &ścieżka = kursor->ścieżka;
        if (!kursor->katalog) {
            Wywołaj(okno, komponent::Historia, QStringLiteral("ShowAttribWindow"), x + 2000, y, ścieżka);
            return;
        }
        if (Wywołaj(okno, komponent::Historia, QStringLiteral("ClearAtribLists"))
            && Wywołaj(okno, komponent::Historia, QStringLiteral("AddAtribDir"), ścieżka))
            Wywołaj(okno, komponent::Historia, QStringLiteral("ShowAtrib2"), x + 3000, y);
        return;
    }
    if (!Wywołaj(okno, komponent::Historia, QStringLiteral("ClearAtribLists")))
        return;
    for (const WybranaPozycja &pozycja : panel.Zaznaczone())
        if (!Wywołaj(okno, komponent::Historia,
                     pozycja.katalog ? QStringLiteral("AddAtribDir") : QStringLiteral("AddAtribFile"), pozycja.ścieżka))
            return;
    const std::optional<QVariant> wynik = Wywołaj(okno, komponent::Historia, QStringLiteral("ShowAtrib2"), x + 3000, y);
    if (wynik && wynik->toInt() != 0)
        okno.OdświeżPanel(p);
}
