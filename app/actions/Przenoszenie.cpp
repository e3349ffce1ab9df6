#include "Przenoszenie.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Przywracanie.h"
#include "WSiebie.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

namespace {

// One move component for one batch, run by `operacja`; true when the move ran.
bool Przenieś(Gospodarz &okno, const std::vector<WybranaPozycja> &co, const QString &cel,
              const QString &operacja = QStringLiteral("RunMove"))
{
    QWidget *nad = okno.Okno();
    const EgzemplarzPolecenia przenoszenie = UtwórzKomponent(okno, komponent::Przenoszenie);
    if (!przenoszenie || !Wywołaj(okno, przenoszenie, QStringLiteral("clearlists")))
        return false;
    for (const WybranaPozycja &pozycja : co)
        if (!Wywołaj(okno, przenoszenie,
                     pozycja.katalog ? QStringLiteral("AddDirToMove") : QStringLiteral("AddFileToMove"),
                     pozycja.ścieżka))
            return false;
    QVariantList args{float(ui::leftTwips(nad) + 3100), float(ui::topTwips(nad) + 2000), cel};
    const std::optional<QVariant> wynik = Wywołaj(okno, przenoszenie, operacja, args);
    return wynik && wynik->toInt() == 1;
}

} // namespace

bool PrzenieśZPowrotem(Gospodarz &okno, const QString &gdzie, const QString &cel)
{
    const std::optional<WybranaPozycja> pozycja = PozycjaDoPowrotu(gdzie);
    if (!pozycja)
        return false;
    if (!Przenieś(okno, {*pozycja}, cel.left(cel.lastIndexOf(u'/') + 1), QStringLiteral("MoveBack")))
        return false;
    return Wróciło(gdzie, cel);
}

void MoveFilesD(Gospodarz &okno)
{
    const int s = okno.AktywnyPanel();
    const int t = 3 - s;
    WidokPanelu &źródło = okno.Widok(s);
    const std::vector<WybranaPozycja> co = źródło.Wybrane();
    if (co.empty())
        return;
    const QString cel = okno.Widok(t).Dir.Ścieżka();
    if (const QString wSiebie = PrzeniesienieWSiebie(co, cel); !wSiebie.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Przenieś"), wSiebie, 48, 0, 0);
        return;
    }
    const QString sąsiad = źródło.SąsiadWybranych();
    if (!Przenieś(okno, co, cel))
        return;
    okno.OdświeżPanel(t);
    okno.OdświeżPanel(s);
    if (const qint32 k = źródło.PozycjaNazwy(sąsiad); k > 0)
        źródło.PokażPozycję(k);
}
