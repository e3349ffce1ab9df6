#include "Edycja.h"

#include "Gospodarz.h"
#include "NoweNazwy.h"
#include "PokazKomunikat.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Editor.h>
#include <platform/Paths.h>
#include <platform/ProgramStarter.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

void OtwórzWEdytorze(Gospodarz &okno, const QString &plik, const QString &katalog)
{
    const std::optional<platform::Command> edytor = platform::editorCommand(plik);
    if (!edytor) {
        if (!platform::programStarter().open(plik))
            PokażKomunikat(okno, QStringLiteral("Edycja"),
                           QStringLiteral("Żaden program nie otwiera pliku „%1”. Wskaż edytor w zmiennej VISUAL "
                                          "lub EDITOR.")
                               .arg(plik),
                           48, 0, 0);
        return;
    }
    if (!platform::programStarter().start(edytor->program, edytor->arguments, katalog))
        PokażKomunikat(okno, QStringLiteral("Edycja"),
                       QStringLiteral("Nie można uruchomić edytora „%1”.").arg(edytor->program), 48, 0, 0);
}

void Edycja(Gospodarz &okno)
{
    WidokPanelu &panel = okno.Widok(okno.AktywnyPanel());
    const std::optional<WybranaPozycja> kursor = panel.PodKursorem();
    if (!kursor || kursor->katalog)
        return;
    OtwórzWEdytorze(okno, kursor->ścieżka, panel.Dir.Ścieżka());
}

void NowyPlik(Gospodarz &okno)
{
    QWidget *nad = okno.Okno();
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Dialogi, QStringLiteral("NewFileCreate"), float(ui::leftTwips(nad) + 2400),
                  float(ui::topTwips(nad) + 2100));
    const QString nazwa = odpowiedź ? odpowiedź->toString() : QString();
    if (nazwa.isEmpty())
        return;
    if (const QString błędna = BłądNazwyPliku(nazwa); !błędna.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Błąd"), błędna, 3, 0, 0);
        return;
    }
    WidokPanelu &panel = okno.Widok(okno.AktywnyPanel());
    const QString katalog = panel.Dir.Ścieżka();
    if (const QString błąd = UtwórzPustyPlik(katalog, nazwa); !błąd.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Błąd"), błąd, 3, 0, 0);
        return;
    }
    okno.OdświeżPanel(okno.AktywnyPanel());
    // A hidden name may not be listed: the cursor then stays where it was.
    if (const qint32 i = panel.PozycjaNazwy(nazwa); i > 0)
        panel.PokażPozycję(i);
    OtwórzWEdytorze(okno, platform::withSeparator(katalog) + nazwa, katalog);
}
