#include "WierszPolecen.h"

#include "Polecenie.h"

#include <component/ComponentError.h>
#include <panels/frmMain.h>
#include <panels/StanPanelu.h>
#include <platform/Directory.h>
#include <platform/Paths.h>
#include <platform/ProgramStarter.h>
#include <platform/Shell.h>
#include <shell/PokazKomunikat.h>
#include <shell/Sloty.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <optional>

using namespace oc;

namespace {

constexpr int przerwaPrzedOdświeżeniem = 200; // ms for a short command to finish

void PokażLinię(frmMain &okno) { okno.DOSLab->setText(okno.Linia.Napis()); }

QString KatalogPanelu(frmMain &okno, int p) { return platform::withSeparator(okno.Dir(p).Ścieżka()); }

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

// The directory CD goes to: as typed, else a listed directory whose name
// differs only in letter case, since names here are case-sensitive and the
// panel shows them upper-cased.
std::optional<QString> KatalogDlaCd(const StanPanelu &s, const QString &katalog, const QString &arg)
{
    if (MożnaWejść(katalog, arg))
        return arg;
    // As Ctrl+Enter writes a name: quoted when needed, a blank after it.
    QString nazwa = arg;
    if (const QStringList słowa = platform::splitCommandLine(arg); słowa.size() == 1)
        nazwa = słowa.front();
    if (nazwa != arg && MożnaWejść(katalog, nazwa))
        return nazwa;
    while (nazwa.size() > 1 && nazwa.endsWith(u'/'))
        nazwa.chop(1);
    for (qint32 i = 1; i <= s.LiczbaKatalogów; ++i) {
        const QString &rzeczywista = s.Rzeczywiste[size_t(i)];
        if (rzeczywista.compare(nazwa, Qt::CaseInsensitive) == 0 && MożnaWejść(katalog, rzeczywista))
            return rzeczywista;
    }
    return std::nullopt;
}

void Cd(frmMain &okno, int p, const QString &arg)
{
    const std::optional<QString> cel = KatalogDlaCd(panel(p), KatalogPanelu(okno, p), arg);
    if (!cel) {
        try {
            PokażKomunikat(QStringLiteral("Błąd"), QStringLiteral("Katalog: '") + arg.toUpper()
                                                       + QStringLiteral("' nie istnieje"),
                           1, 0, 0);
        } catch (const ComponentError &) {
        }
        return;
    }
    okno.UstawŚcieżkę(p, *cel);
    okno.Gora(p)->UstawNapis(okno.Dir(p).Ścieżka().toUpper());
    okno.WczytajPanel(p);
    okno.PokażPanel(p, 1);
    okno.Panel_Click(p, 0);
}

// Re-reads the panel after the interpreter had its moment, keeping the first
// shown entry and the cursor row; a directory the command removed gives way
// to the nearest one left.
void OdświeżPoPoleceniu(frmMain &okno, int p)
{
    if (!okno.isVisible())
        return;
    StanPanelu &s = panel(p);
    const QString przed = okno.Dir(p).Ścieżka();
    okno.OdświeżListy(p);
    okno.WczytajPanel(p);
    if (okno.Dir(p).Ścieżka() != przed) {
        okno.Gora(p)->UstawNapis(okno.Dir(p).Ścieżka().toUpper());
        s.WierszKursora = 0;
        s.PierwszaPozycja = 1;
    }
    okno.PokażPanel(p, s.PierwszaPozycja);
    // The user may have moved to the other panel meanwhile; it stays active.
    if (AktywnyPanel == p)
        okno.Panel_Click(p, s.WierszKursora);
}

void DoInterpretera(frmMain &okno, int p, const QString &linia)
{
    const QString katalog = okno.Dir(p).Ścieżka();
    okno.Historia.DodajDoHistorii(linia);
    if (!linia.isEmpty())
        okno.Historia.UstawNaKoniec();
    const platform::Command polecenie = platform::interpreterCommand(linia);
    platform::programStarter().start(polecenie.program, polecenie.arguments, katalog);
    okno.Linia.Wyczyść();
    QTimer::singleShot(przerwaPrzedOdświeżeniem, &okno, [&okno, p] { OdświeżPoPoleceniu(okno, p); });
}

} // namespace

void tmrKursor_Timer(frmMain &okno)
{
    okno.Linia.Tik();
    if (okno.Linia.KursorUkryty)
        UkryjKursor(okno);
    else
        PokażKursor(okno);
}

void PokażKursor(frmMain &okno)
{
    if (!okno.Linia.KursorUkryty)
        PokażLinię(okno);
}

void UkryjKursor(frmMain &okno)
{
    if (okno.Linia.KursorUkryty)
        PokażLinię(okno);
}

void WpiszZnak(frmMain &okno, int kod)
{
    okno.Linia.WpiszZnak(kod);
    PokażLinię(okno);
}

void UsuńZnak(frmMain &okno)
{
    okno.Linia.Backspace();
    PokażLinię(okno);
}

void WstawNazwę(frmMain &okno)
{
    const StanPanelu &s = panel(AktywnyPanel);
    if (s.LiczbaPozycji <= 0)
        return;
    const qint32 i = s.PierwszaPozycja + s.WierszKursora;
    if (i < 1 || i > s.LiczbaPozycji)
        return;
    okno.Linia.Dopisz(DlaPowłoki(s.Rzeczywiste[size_t(i)]) + u' ');
    PokażLinię(okno);
}

void Enter(frmMain &okno)
{
    if (okno.Linia.Tekst().isEmpty())
        Enterek(okno);
    else
        DosText(okno);
    PokażLinię(okno);
}

void DosText(frmMain &okno)
{
    const int p = AktywnyPanel;
    const StanPanelu &s = panel(p);
    const QString linia = okno.Linia.Tekst();
    const Polecenie polecenie = RozpoznajPolecenie(linia, s);
    switch (polecenie.rodzaj) {
    case Polecenie::Rodzaj::Pozycja: {
        const QString katalog = okno.Dir(p).Ścieżka();
        const QString program = KatalogPanelu(okno, p) + s.Rzeczywiste[size_t(polecenie.pozycja)];
        const QStringList argumenty = platform::splitCommandLine(linia.mid(PierwszyWyraz(linia).size()));
        okno.Linia.Wyczyść();
        platform::programStarter().start(program, argumenty, katalog);
        break;
    }
    case Polecenie::Rodzaj::Koniec:
        okno.Linia.Wyczyść();
        okno.BezPytania = true;
        okno.close();
        break;
    case Polecenie::Rodzaj::Cd:
        okno.Historia.DodajDoHistorii(linia);
        okno.Linia.Wyczyść();
        Cd(okno, p, polecenie.argument);
        break;
    case Polecenie::Rodzaj::Program: {
        okno.Historia.DodajDoHistorii(linia);
        okno.Linia.Wyczyść();
        const QString katalog = okno.Dir(p).Ścieżka();
        platform::programStarter().start(KatalogPanelu(okno, p) + s.Rzeczywiste[size_t(polecenie.pozycja)], {},
                                         katalog);
        break;
    }
    case Polecenie::Rodzaj::Interpreter:
        DoInterpretera(okno, p, linia);
        break;
    }
    PokażLinię(okno);
}

void Enterek(frmMain &okno)
{
    okno.Panel_DblClick(AktywnyPanel, panel(AktywnyPanel).WierszKursora);
}

void ShowHistoryString(frmMain &okno)
{
    okno.Linia.Ustaw(okno.Historia.Cofnij());
    PokażLinię(okno);
}

void HistoryWindow(frmMain &okno)
{
    try {
        if (okno.Historia.lstHistoria.isEmpty()) {
            PokażKomunikat(QStringLiteral("Historia"),
                           QStringLiteral("Nie można pokazać historii, ponieważ nie wystukałeś żadnej komendy "
                                          "DOSowej !!!"),
                           3, 0, 0);
            return;
        }
        Component *historia = Sloty().Historia.get();
        if (!historia)
            return;
        historia->call(u"clearlist");
        for (const QString &linia : okno.Historia.Najnowsze())
            historia->call(u"AddHistoryPos", linia);
        const QString wybrana = historia
                                    ->call(u"ShowHistoryWindow", float(ui::leftTwips(&okno) + 3600),
                                           float(ui::topTwips(&okno) + 1000))
                                    .toString();
        if (wybrana.isEmpty())
            return;
        okno.Linia.Ustaw(wybrana);
        PokażLinię(okno);
        ui::sendKey(&okno, ui::vk::Return);
    } catch (const ComponentError &) {
        // A history component that fails leaves the command line as it was.
    }
}

bool MożnaWejść(const QString &katalog, const QString &podkatalog)
{
    return !podkatalog.isEmpty() && platform::canEnter(QDir(katalog).filePath(podkatalog));
}
