#include "Kopiowanie.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "WSiebie.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <ui/Twips.h>

#include <QWidget>
#include <vector>

using namespace oc;

namespace {

// One copy component for one batch: the paths handed over in order, then
// its window; true when the copy ran.
bool Kopiuj(Gospodarz &okno, const std::vector<DoSkopiowania> &co, QString cel)
{
    QWidget *nad = okno.Okno();
    const EgzemplarzPolecenia kopia = UtwórzKomponent(okno, komponent::Kopiowanie);
    if (!kopia || !Wywołaj(okno, kopia, QStringLiteral("clearlists")))
        return false;
    for (const DoSkopiowania &pozycja : co)
        if (!Wywołaj(okno, kopia, pozycja.katalog ? QStringLiteral("AddDirToCopy") : QStringLiteral("AddFileToCopy"),
                     pozycja.ścieżka))
            return false;
    if (co.empty())
        return false;
    QVariantList args{float(ui::leftTwips(nad) + 3100), float(ui::topTwips(nad) + 2000), cel};
    const std::optional<QVariant> wynik = Wywołaj(okno, kopia, QStringLiteral("RunCopy"), args);
    return wynik && wynik->toInt() == 1;
}

} // namespace

void CopyFilesD(Gospodarz &okno)
{
    const int s = okno.AktywnyPanel();
    const int t = 3 - s;
    WidokPanelu &źródło = okno.Widok(s);
    std::vector<DoSkopiowania> co;
    for (const WybranaPozycja &pozycja : źródło.Wybrane())
        co.push_back({pozycja.ścieżka, pozycja.katalog});
    if (co.empty())
        return;
    const QString cel = okno.Widok(t).Dir.Ścieżka();
    if (const QString wSiebie = KopiaWSiebie(co, cel); !wSiebie.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Kopiuj"), wSiebie, 48, 0, 0);
        return;
    }
    Kopiuj(okno, co, cel);

    // Whatever the copy did, the target is listed anew and the marks go.
    okno.OdświeżPanel(t);
    źródło.WyczyśćZnaki();
}

void UpuśćPliki(Gospodarz &okno, int p, const QStringList &ścieżki)
{
    std::vector<DoSkopiowania> co;
    for (const QString &ścieżka : ścieżki)
        co.push_back(UpuszczonaŚcieżka(ścieżka));
    const QString cel = okno.Widok(p).Dir.Ścieżka();
    if (const QString wSiebie = KopiaWSiebie(co, cel); !wSiebie.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Kopiuj"), wSiebie, 48, 0, 0);
        return;
    }
    if (Kopiuj(okno, co, cel))
        okno.OdświeżPanel(p);
}
