#include "Atrybuty.h"

#include "Gospodarz.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Paths.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

void AttribFile(Gospodarz &okno)
{
    const int p = okno.AktywnyPanel();
    WidokPanelu &panel = okno.Widok(p);
    const StanPanelu &s = panel.Stan;
    QWidget *nad = okno.Okno();
    Component *atrybuty = Sloty().Historia.get();
    const QString klasa = QStringLiteral("oc2.Ocmd");
    const QString katalog = platform::withSeparator(panel.Dir.Ścieżka());
    const float x = float(ui::leftTwips(nad));
    const float y = float(ui::topTwips(nad) + 1000);
    if (s.IleZaznaczonych == 0) {
        const qint32 k = panel.PozycjaKursora();
        if (k == 0)
            return;
        const QString ścieżka = katalog + s.Rzeczywiste[size_t(k)];
        if (k > s.LiczbaKatalogów) {
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
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i) {
        if (s.Zaznaczenia[size_t(i)] != 1)
            continue;
        const bool katalogWpisu = i <= s.LiczbaKatalogów;
        if (!Wywołaj(nad, atrybuty, klasa,
                     katalogWpisu ? QStringLiteral("AddAtribDir") : QStringLiteral("AddAtribFile"),
                     katalog + s.Rzeczywiste[size_t(i)]))
            return;
    }
    const std::optional<QVariant> wynik = Wywołaj(nad, atrybuty, klasa, QStringLiteral("ShowAtrib2"), x + 3000, y);
    if (wynik && wynik->toInt() != 0)
        okno.OdświeżPanel(p);
}
