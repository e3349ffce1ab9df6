#include "WierszPolecen.h"

#include "Polecenie.h"

#include "Gospodarz.h"
#include "HistoriaPolecen.h"
#include "LiniaPolecen.h"
#include "PokazKomunikat.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Paths.h>
#include <platform/ProgramStarter.h>
#include <platform/Shell.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QTimer>
#include <QWidget>
#include <optional>

using namespace oc;

namespace {

constexpr int przerwaPrzedOdświeżeniem = 200; // ms for a short command to finish

// A name that the shell would split or expand goes in quotes; one that
// starts with "-" is made relative, so no command takes it for an option.
QString DlaPowłoki(const QString &nazwa)
{
    static const QString specjalne = QStringLiteral(" \t\n'\"\\$`&|;<>()*?[]{}#~!");
    const QString słowo = nazwa.startsWith(u'-') ? QStringLiteral("./") + nazwa : nazwa;
    for (const QChar c : słowo)
        if (specjalne.contains(c))
            return platform::shellQuote(słowo);
    return słowo;
}

void Cd(Gospodarz &okno, int p, const QString &arg)
{
    WidokPanelu &panel = okno.Widok(p);
    const std::optional<QString> cel = KatalogDlaCd(panel.Stan, panel.Katalog(), arg);
    if (!cel) {
        PokażKomunikat(okno, QStringLiteral("Błąd"),
                       QStringLiteral("Katalog: '") + arg.toUpper() + QStringLiteral("' nie istnieje"), 1, 0, 0);
        return;
    }
    panel.UstawŚcieżkę(*cel);
    panel.Gora->UstawNapis(panel.Dir.Ścieżka().toUpper());
    panel.WczytajPanel();
    panel.PokażPanel(1);
    panel.Panel_Click(0);
}

// Re-reads the panel after the interpreter had its moment.
void OdświeżPoPoleceniu(Gospodarz &okno, int p)
{
    if (okno.Okno()->isVisible())
        okno.OdświeżPanel(p);
}

void DoInterpretera(Gospodarz &okno, int p, const QString &linia)
{
    const QString katalog = okno.Widok(p).Dir.Ścieżka();
    okno.Historia().DodajDoHistorii(linia);
    const platform::Command polecenie = platform::interpreterCommand(linia);
    platform::programStarter().start(polecenie.program, polecenie.arguments, katalog);
    okno.Linia().Wyczyść();
    if (platform::terminalProgram().isEmpty())
        PokażKomunikat(okno, QStringLiteral("Wiersz poleceń"),
                       QStringLiteral("Nie ma programu terminala (") + platform::terminalCandidates()
                           + QStringLiteral("), więc polecenie działa bez okna i jego wyników nie widać."),
                       1, 0, 0);
    QTimer::singleShot(przerwaPrzedOdświeżeniem, okno.Okno(), [&okno, p] { OdświeżPoPoleceniu(okno, p); });
}

} // namespace

void tmrKursor_Timer(Gospodarz &okno)
{
    okno.Linia().Tik();
    if (okno.Linia().KursorUkryty)
        UkryjKursor(okno);
    else
        PokażKursor(okno);
}

void PokażKursor(Gospodarz &okno)
{
    if (!okno.Linia().KursorUkryty)
        okno.PokażLinię();
}

void UkryjKursor(Gospodarz &okno)
{
    if (okno.Linia().KursorUkryty)
        okno.PokażLinię();
}

void WpiszZnak(Gospodarz &okno, int kod)
{
    okno.Linia().WpiszZnak(kod);
    okno.PokażLinię();
}

void UsuńZnak(Gospodarz &okno)
{
    okno.Linia().Backspace();
    okno.PokażLinię();
}

void WstawNazwę(Gospodarz &okno)
{
    const std::optional<WybranaPozycja> kursor = okno.Widok(okno.AktywnyPanel()).PodKursorem();
    if (!kursor)
        return;
    okno.Linia().Dopisz(DlaPowłoki(kursor->nazwa) + u' ');
    okno.PokażLinię();
}

void Enter(Gospodarz &okno)
{
    if (okno.Linia().Tekst().isEmpty())
        Enterek(okno);
    else
        DosText(okno);
    okno.PokażLinię();
}

void DosText(Gospodarz &okno)
{
    const int p = okno.AktywnyPanel();
    const WidokPanelu &panel = okno.Widok(p);
    const QString linia = okno.Linia().Tekst();
    const Polecenie polecenie = RozpoznajPolecenie(linia, panel.Stan);
    switch (polecenie.rodzaj) {
    case Polecenie::Rodzaj::Pozycja: {
        const QString katalog = panel.Dir.Ścieżka();
        const QString program = panel.Katalog() + panel.NazwaPozycji(polecenie.pozycja);
        const QStringList argumenty = platform::splitCommandLine(linia.mid(PierwszyWyraz(linia).size()));
        okno.Linia().Wyczyść();
        platform::programStarter().start(program, argumenty, katalog);
        break;
    }
    case Polecenie::Rodzaj::Koniec:
        okno.Linia().Wyczyść();
        okno.Zakończ();
        break;
    case Polecenie::Rodzaj::Cd:
        okno.Historia().DodajDoHistorii(linia);
        okno.Linia().Wyczyść();
        Cd(okno, p, polecenie.argument);
        break;
    case Polecenie::Rodzaj::Program: {
        okno.Historia().DodajDoHistorii(linia);
        okno.Linia().Wyczyść();
        const QString katalog = panel.Dir.Ścieżka();
        platform::programStarter().start(panel.Katalog() + panel.NazwaPozycji(polecenie.pozycja), {}, katalog);
        break;
    }
    case Polecenie::Rodzaj::Interpreter: DoInterpretera(okno, p, linia); break;
    }
    okno.PokażLinię();
}

void Enterek(Gospodarz &okno)
{
    WidokPanelu &panel = okno.Widok(okno.AktywnyPanel());
    panel.OtwórzPodKursorem();
}

void ShowHistoryString(Gospodarz &okno)
{
    okno.Linia().Ustaw(okno.Historia().Cofnij());
    okno.PokażLinię();
}

void HistoryWindow(Gospodarz &okno)
{
    if (okno.Historia().lstHistoria.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Historia"),
                       QStringLiteral("Nie można pokazać historii, ponieważ nie wystukałeś żadnej komendy "
                                      "DOSowej !!!"),
                       3, 0, 0);
        return;
    }
    if (!Wywołaj(okno, komponent::Historia, QStringLiteral("clearlist")))
        return;
    for (const QString &linia : okno.Historia().Najnowsze())
        if (!Wywołaj(okno, komponent::Historia, QStringLiteral("AddHistoryPos"), linia))
            return;
    const std::optional<QVariant> wybrana
        = Wywołaj(okno, komponent::Historia, QStringLiteral("ShowHistoryWindow"),
                  float(ui::leftTwips(okno.Okno()) + 3600), float(ui::topTwips(okno.Okno()) + 1000));
    if (!wybrana || wybrana->toString().isEmpty())
        return;
    okno.Linia().Ustaw(wybrana->toString());
    okno.PokażLinię();
    ui::sendKey(okno.Okno(), ui::vk::Return);
}

void OtwórzPlik(Gospodarz &okno, int p, const QString &ścieżka, const QString &nazwa)
{
    if (okno.Widok(p).Dir.Ścieżka() == u'/' && nazwa.compare(QStringLiteral("autoexec.bat"), Qt::CaseInsensitive) == 0
        && PokażKomunikat(okno, QStringLiteral("AUTOEXEC.BAT"),
                          QStringLiteral("Czy chcesz uruchomić plik AUTOEXEC.BAT ??"), 48, 4, 0)
               != 0)
        return;
    OtwórzDokument(okno, ścieżka);
}

void OtwórzDokument(Gospodarz &okno, const QString &ścieżka)
{
    if (!platform::programStarter().open(ścieżka))
        PokażKomunikat(okno, QStringLiteral("Błąd"),
                       QStringLiteral("Nie można otworzyć pliku \"%1\": nie ma programu, który otwiera dokumenty (%2).")
                           .arg(ścieżka, platform::documentOpenerName()),
                       1, 0, 0);
}
