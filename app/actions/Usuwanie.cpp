#include "Usuwanie.h"

#include "Gospodarz.h"
#include "KoszKatalogu.h"
#include "PokazKomunikat.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

namespace {

// A delete component told how its questions delete; empty when it cannot be had.
EgzemplarzPolecenia Usuwanie(Gospodarz &okno, qint32 tryb)
{
    EgzemplarzPolecenia usuwanie = UtwórzKomponent(okno, komponent::Usuwanie);
    if (usuwanie && !Wywołaj(okno, usuwanie, QStringLiteral("TrybUsuwania"), tryb))
        return {usuwanie.klasa, nullptr};
    return usuwanie;
}

// The trash of the panel's file system, or the user's leave to delete for
// good where there is none; nullopt when the user said no.
std::optional<qint32> TrybKosza(Gospodarz &okno, const QString &katalog)
{
    const std::optional<platform::TrashError> błąd = BrakKosza(katalog);
    if (!błąd)
        return tryb_usuwania::DoKosza;
    const QString pytanie = błąd->text() + QStringLiteral(". Usunąć na zawsze? Tego nie można cofnąć.");
    if (PokażKomunikat(okno, QStringLiteral("Kosz"), pytanie, 48, 4, 1) != 0)
        return std::nullopt;
    return tryb_usuwania::NaZawsze;
}

// Runs a batch already handed to the component; true when it was carried out.
bool UsuńWszystko(Gospodarz &okno, const EgzemplarzPolecenia &usuwanie)
{
    QWidget *nad = okno.Okno();
    const std::optional<QVariant> wynik = Wywołaj(okno, usuwanie, QStringLiteral("RunDeleteAll"),
                                                  float(ui::leftTwips(nad) + 3660), float(ui::topTwips(nad) + 2000));
    return wynik && wynik->toInt() == 1;
}

} // namespace

void DeleteFileD(Gospodarz &okno, bool naZawsze)
{
    const int p = okno.AktywnyPanel();
    WidokPanelu &panel = okno.Widok(p);
    const std::optional<WybranaPozycja> kursor = panel.PodKursorem();
    if (!kursor || kursor->nazwa == QStringLiteral(".."))
        return;
    const std::optional<qint32> tryb = naZawsze ? tryb_usuwania::NaZawsze : TrybKosza(okno, panel.Dir.Ścieżka());
    if (!tryb)
        return;
    if (panel.SąZaznaczone()) {
        MoreDelete(okno, *tryb);
        return;
    }
    if (kursor->katalog) {
        DeleteDirx(okno, *tryb);
        return;
    }
    QWidget *nad = okno.Okno();
    const EgzemplarzPolecenia usuwanie = Usuwanie(okno, *tryb);
    if (!usuwanie)
        return;
    QVariantList args{float(ui::leftTwips(nad) + 3500), float(ui::topTwips(nad) + 2000), kursor->ścieżka};
    const std::optional<QVariant> wynik = Wywołaj(okno, usuwanie, QStringLiteral("DeleteFileo"), args);
    if (!wynik || wynik->toInt() == 0)
        return;
    // The left panel keeps its view, so the row shows the entry that
    // followed the deleted one; the right one goes back to the top.
    const MiejsceKursora miejsce = panel.Miejsce();
    okno.OdświeżPanel(p);
    if (p == 1) {
        panel.PokażPoOdczycie(miejsce);
    } else {
        panel.PokażPanel(1);
        panel.Panel_Click(0);
    }
}

void MoreDelete(Gospodarz &okno, qint32 tryb)
{
    const int p = okno.AktywnyPanel();
    WidokPanelu &panel = okno.Widok(p);
    const EgzemplarzPolecenia usuwanie = Usuwanie(okno, tryb);
    if (!usuwanie || !Wywołaj(okno, usuwanie, QStringLiteral("clearlists")))
        return;
    // Directories come first in the panel, so they are handed over first.
    for (const WybranaPozycja &pozycja : panel.Zaznaczone())
        if (!Wywołaj(okno, usuwanie,
                     pozycja.katalog ? QStringLiteral("AddDirToDelete") : QStringLiteral("AddFileToDelete"),
                     pozycja.ścieżka))
            return;
    QString następny;
    panel.UstalNastępneNieInsertowePole(następny);
    if (!UsuńWszystko(okno, usuwanie))
        return;
    okno.OdświeżPanel(p);
    panel.ZaznaczPlik(następny);
}

void DeleteDirx(Gospodarz &okno, qint32 tryb)
{
    const int p = okno.AktywnyPanel();
    WidokPanelu &panel = okno.Widok(p);
    const std::optional<WybranaPozycja> kursor = panel.PodKursorem();
    if (!kursor)
        return;
    const EgzemplarzPolecenia usuwanie = Usuwanie(okno, tryb);
    if (!usuwanie || !Wywołaj(okno, usuwanie, QStringLiteral("clearlists"))
        || !Wywołaj(okno, usuwanie, QStringLiteral("AddDirToDelete"), kursor->ścieżka))
        return;
    if (!UsuńWszystko(okno, usuwanie))
        return;
    okno.OdświeżPanel(p);
    panel.PokażPanel(1);
    panel.Panel_Click(0);
}
