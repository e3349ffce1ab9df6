#include "NowyKatalog.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Directory.h>
#include <platform/Paths.h>
#include <ui/Twips.h>
#include <undo/Dziennik.h>

#include <QWidget>
#include <cerrno>

using namespace oc;

QString TekstBłęduNowegoKatalogu(int numer, const QString &opis)
{
    if (numer == EEXIST)
        return QStringLiteral("Katalog o podanej nazwie już istnieje");
    if (numer == ENOENT)
        return QStringLiteral("Podana ścieżka nie istnieje");
    return QStringLiteral("W trakcie tworzenie katalogu wystąpił nieznany błąd nr:") + QString::number(numer)
           + QStringLiteral("\r\n") + opis;
}

void NewDir(Gospodarz &okno)
{
    QWidget *nad = okno.Okno();
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Dialogi, QStringLiteral("NewDirCreate"), float(ui::leftTwips(nad) + 2400),
                  float(ui::topTwips(nad) + 2100));
    const QString nazwa = odpowiedź ? odpowiedź->toString() : QString();
    if (nazwa.isEmpty())
        return;
    const int p = okno.AktywnyPanel();
    WidokPanelu &panel = okno.Widok(p);
    const QString ścieżka = nazwa.startsWith(u'/') ? nazwa : platform::withSeparator(panel.Dir.Ścieżka()) + nazwa;
    platform::FileError błąd;
    const std::unique_ptr<undo::Zapis> zapis = undo::Dziennik().zacznij(undo::Rodzaj::NowyKatalog, ścieżka);
    if (!platform::makeDirectory(panel.Dir.Ścieżka(), nazwa, &błąd))
        PokażKomunikat(okno, QStringLiteral("Błąd"), TekstBłęduNowegoKatalogu(błąd.code, błąd.reason()), 3, 0, 0);
    else if (zapis)
        zapis->utworzony(ścieżka);

    // The new directory, or the one that was already there, takes the cursor.
    okno.OdświeżPanel(p);
    panel.PokażKatalog(nazwa);
}
