#include "NowyKatalog.h"

#include "Gospodarz.h"
#include "NoweNazwy.h"
#include "PokazKomunikat.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

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
    if (const QString błąd = UtwórzKatalog(panel.Dir.Ścieżka(), nazwa); !błąd.isEmpty())
        PokażKomunikat(okno, QStringLiteral("Błąd"), błąd, 3, 0, 0);

    // The new directory, or the one that was already there, takes the cursor.
    okno.OdświeżPanel(p);
    panel.PokażKatalog(nazwa);
}
