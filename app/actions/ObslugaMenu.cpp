#include "ObslugaMenu.h"

#include "Atrybuty.h"
#include "Cofnij.h"
#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Przenoszenie.h"
#include "Sloty.h"
#include "Usuwanie.h"
#include "WierszPolecen.h"
#include "Wywolanie.h"
#include "ZmianaNazwy.h"

#include <panels/DyskPanelu.h>
#include <panels/WidokPanelu.h>
#include <platform/Paths.h>
#include <platform/ProgramStarter.h>
#include <ui/Twips.h>

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

using namespace oc;

namespace {

void NiedostępnaOpcja(Gospodarz &okno)
{
    PokażKomunikat(okno, QStringLiteral("Menu"), QStringLiteral("Ta opcja nie jest jeszcze dostępna"), 4, 0, 0);
}

// The desktop's disk utility, when one is installed.
void NarzędzieDysków(Gospodarz &okno)
{
    for (const char *program : {"gnome-disks", "partitionmanager", "kde-partitionmanager"}) {
        const QString ścieżka = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!ścieżka.isEmpty()) {
            platform::programStarter().start(ścieżka, {}, okno.Widok(okno.AktywnyPanel()).Dir.Ścieżka());
            return;
        }
    }
    NiedostępnaOpcja(okno);
}

void Gra(Gospodarz &okno)
{
    if (const EgzemplarzPolecenia gra = UtwórzKomponent(okno, komponent::Gra))
        Wywołaj(okno, gra, QStringLiteral("RunFalrow"));
}

// The panel lists' items 3 to 7 sort by name, extension, date, size or not
// at all; 8 and 9 choose the brief or the full view.
void UłóżPanel(Gospodarz &okno, int q, qint32 item)
{
    okno.Gora_Click(q);
    WidokPanelu &panel = okno.Widok(q);
    if (item <= 7)
        panel.Sortuj(Sortowanie(item - 3));
    else
        panel.UstawWidok(item == 9);
}

} // namespace

void PokażMenuGłówne(Gospodarz &okno, qint32 start)
{
    QWidget *nad = okno.Okno();
    const double twipsNaPiksel = ui::twipsPerPixel();
    const std::optional<QVariant> menu
        = Wywołaj(okno, komponent::Menu, QStringLiteral("PokażMenu"), float(ui::leftTwips(nad) + 15),
                  float(ui::topTwips(nad) + 22 * twipsNaPiksel), float(ui::widthTwips(nad)), start);
    if (!menu)
        return;
    const std::optional<QVariant> pozycja = Wywołaj(okno, komponent::Menu, QStringLiteral("PokażMenu2"));
    if (!pozycja)
        return;
    qint32 m = menu->toInt();
    qint32 i = pozycja->toInt();
    ObsługaMenu(okno, m, i);
}

void ObsługaMenu(Gospodarz &okno, qint32 &menu, qint32 &item)
{
    QWidget *nad = okno.Okno();
    const float left = float(ui::leftTwips(nad));
    const float top = float(ui::topTwips(nad));
    switch (menu) {
    case 0:
        if (item == 0)
            Wywołaj(okno, komponent::Dialogi, QStringLiteral("kalkulator"), left + 3700, top + 1600);
        else if (item == 1)
            Gra(okno);
        break;
    case 1:
    case 5: {
        const int q = menu == 1 ? 1 : 2;
        if (item == 0)
            q == 1 ? okno.AltF1() : okno.AltF2();
        else if (item == 1)
            FiltrPanelu(okno, q);
        else if (item == 2)
            okno.OdświeżPanel(q);
        else if (item >= 3 && item <= 9)
            UłóżPanel(okno, q, item);
        break;
    }
    case 2:
        if (item == 2)
            AttribFile(okno);
        else if (item == 3)
            MoveFilesD(okno);
        else if (item == 4)
            ZmieńNazwę(okno);
        else if (item == 5 || item == 6)
            DeleteFileD(okno, item == 6);
        else if (item == 7)
            ListaCofnij(okno);
        else if (item >= 0 && item != 65535)
            NiedostępnaOpcja(okno);
        break;
    case 3: {
        QString wolumin = WoluminKatalogu(okno.Widok(okno.AktywnyPanel()).Dir.Ścieżka());
        if (item == 0) {
            NarzędzieDysków(okno);
        } else if (item == 1) {
            QVariantList args{left + 4000, top + 2000, wolumin};
            Wywołaj(okno, komponent::Dialogi, QStringLiteral("EtykietaDyskuShow"), args);
        }
        break;
    }
    case 4:
        if (item == 0)
            okno.SwapPanels();
        else if (item == 1)
            Wywołaj(okno, komponent::Dialogi, QStringLiteral("OCSystemInfo"));
        break;
    case 6:
        if (item == 0 || item == 1) {
            qint32 which = item;
            PokażPomoc(okno, which);
        } else if (item == 2 || item == 3) {
            // No home page or mail address is configured.
            NiedostępnaOpcja(okno);
        }
        break;
    default: break;
    }
}

void PokażPomoc(Gospodarz &okno, qint32 &which)
{
    if (which == 0) {
        OtwórzDokument(okno, platform::helpFile());
    } else if (which == 1) {
        QWidget *nad = okno.Okno();
        Wywołaj(okno, komponent::Dialogi, QStringLiteral("ShowAbout"), float(ui::leftTwips(nad) + 2500),
                float(ui::topTwips(nad) + 980));
    }
}

void FiltrPanelu(Gospodarz &okno, int q)
{
    okno.Gora_Click(q);
    WidokPanelu &panel = okno.Widok(q);
    ListaPlików &pliki = panel.File;
    const auto znak = [](bool włączony) { return włączony ? u'1' : u'0'; };
    const QString flagi
        = QString(znak(pliki.TylkoDoOdczytu)) + znak(pliki.Systemowe) + znak(pliki.Ukryte) + znak(pliki.Zwykłe);
    QWidget *nad = okno.Okno();
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Dialogi, QStringLiteral("Showmaska"), float(ui::leftTwips(nad) + 3615),
                  float(ui::topTwips(nad) + 1330), QStringLiteral("3") + flagi + pliki.Wzorzec);
    QString r = odpowiedź ? odpowiedź->toString() : QString();
    // Fewer than the four switches is no answer: as cancelled.
    if (r.size() < 4)
        r = flagi + QStringLiteral("*.*");
    pliki.TylkoDoOdczytu = r.at(0) == u'1';
    pliki.Systemowe = r.at(1) == u'1';
    pliki.Ukryte = r.at(2) == u'1';
    pliki.Zwykłe = r.at(3) == u'1';
    pliki.Wzorzec = r.mid(4);
    panel.OdświeżListy();
    panel.OdPoczątku();
    okno.OdświeżPanel(q);
    panel.Panel_Click(0);
}
