#include "Usuwanie.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Trash.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

namespace {

const QString klasa = komponent::Usuwanie.Klasa();

// A delete component told how its questions delete; nullptr when it cannot be had.
ComponentPtr Usuwanie(QWidget *nad, qint32 tryb)
{
    ComponentPtr usuwanie = UtwórzKomponent(nad, komponent::Usuwanie);
    if (usuwanie && !Wywołaj(nad, usuwanie.get(), klasa, QStringLiteral("TrybUsuwania"), tryb))
        return nullptr;
    return usuwanie;
}

// The trash of the panel's file system, or the user's leave to delete for
// good where there is none; nullopt when the user said no.
std::optional<qint32> TrybKosza(Gospodarz &okno, const QString &katalog)
{
    platform::TrashError błąd;
    if (platform::trashFor(katalog, &błąd))
        return tryb_usuwania::DoKosza;
    const QString pytanie = błąd.text() + QStringLiteral(". Usunąć na zawsze? Tego nie można cofnąć.");
    if (PokażKomunikat(okno.Okno(), QStringLiteral("Kosz"), pytanie, 48, 4, 1) != 0)
        return std::nullopt;
    return tryb_usuwania::NaZawsze;
}

// Runs a batch already handed to the component; true when it was carried out.
bool UsuńWszystko(Gospodarz &okno, Component *usuwanie)
{
    QWidget *nad = okno.Okno();
    const std::optional<QVariant> wynik = Wywołaj(nad, usuwanie, klasa, QStringLiteral("RunDeleteAll"),
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
    const ComponentPtr usuwanie = Usuwanie(nad, *tryb);
    if (!usuwanie)
        return;
    QVariantList args{float(ui::leftTwips(nad) + 3500), float(ui::topTwips(nad) + 2000), kursor->ścieżka};
    const std::optional<QVariant> wynik = Wywołaj(nad, usuwanie.get(), klasa, QStringLiteral("DeleteFileo"), args);
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
    QWidget *nad = okno.Okno();
    const ComponentPtr usuwanie = Usuwanie(nad, tryb);
    if (!usuwanie || !Wywołaj(nad, usuwanie.get(), klasa, QStringLiteral("clearlists")))
        return;
    // Directories come first in the panel, so they are handed over first.
    for (const WybranaPozycja &pozycja : panel.Zaznaczone())
        if (!Wywołaj(nad, usuwanie.get(), klasa,
                     pozycja.katalog ? QStringLiteral("AddDirToDelete") : QStringLiteral("AddFileToDelete"),
                     pozycja.ścieżka))
            return;
    QString następny;
    panel.UstalNastępneNieInsertowePole(następny);
    if (!UsuńWszystko(okno, usuwanie.get()))
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
    QWidget *nad = okno.Okno();
    const ComponentPtr usuwanie = Usuwanie(nad, tryb);
    if (!usuwanie || !Wywołaj(nad, usuwanie.get(), klasa, QStringLiteral("clearlists"))
        || !Wywołaj(nad, usuwanie.get(), klasa, QStringLiteral("AddDirToDelete"), kursor->ścieżka))
        return;
    if (!UsuńWszystko(okno, usuwanie.get()))
        return;
    okno.OdświeżPanel(p);
    panel.PokażPanel(1);
    panel.Panel_Click(0);
}
