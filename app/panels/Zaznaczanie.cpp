#include "frmMain.h"

#include "RysowanieWierszy.h"

#include <shell/Kolory.h>
#include <shell/PokazKomunikat.h>
#include <shell/Sloty.h>
#include <ui/Colors.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

using namespace oc;

void frmMain::k_Insert()
{
    const int p = AktywnyPanel;
    StanPanelu &s = panel(p);
    const qint32 i = s.PierwszaPozycja + s.WierszKursora;
    // A refresh that shortened the list may leave the cursor on a blank row.
    if (i > s.LiczbaPozycji)
        return;
    EtykietaPanelu *wiersz = Wiersze(p)[size_t(s.WierszKursora)];
    if (s.Rzeczywiste[size_t(i)] != QStringLiteral("..")) {
        UstawZnak(p, i, s.Zaznaczenia[size_t(i)] ? 0 : 1);
        UstawZnakWiersza(wiersz, s.Zaznaczenia[size_t(i)] == 1);
    }
    if (i != s.LiczbaPozycji) {
        ui::sendKey(this, ui::vk::Down);
        return;
    }
    if (!s.Zaznaczenia[size_t(i)])
        ui::setForeground(wiersz, kolory().fileseltext);
}

void frmMain::OdznaczKatalogi()
{
    const int p = AktywnyPanel;
    for (qint32 i = 1; i <= panel(p).LiczbaKatalogów; ++i)
        UstawZnak(p, i, 0);
}

void frmMain::SzaraGwiazdka()
{
    const int p = AktywnyPanel;
    StanPanelu &s = panel(p);
    OdznaczKatalogi();
    for (qint32 i = s.LiczbaKatalogów + 1; i <= s.LiczbaPozycji; ++i)
        UstawZnak(p, i, s.Zaznaczenia[size_t(i)] ? 0 : 1);
    PokażPanel(p, s.PierwszaPozycja);
    const bool zKorzenia = s.LiczbaPozycji >= 2 && s.Rzeczywiste[1] == QStringLiteral("..") && s.WierszKursora == 0;
    Panel_Click(p, zKorzenia ? 1 : s.WierszKursora);
    PomińZnak = 1;
}

void frmMain::ZaznaczMaską(int tryb)
{
    const int p = AktywnyPanel;
    StanPanelu &s = panel(p);
    OdznaczKatalogi();
    // The grey key's character is no command-line text.
    PomińZnak = 1;
    QString maska;
    if (Sloty().Dialogi) {
        const float x = float(ui::toTwips(this->x()) + (p == 1 ? 1780 : 7090));
        const float y = float(ui::toTwips(this->y()) + 2000);
        maska = Sloty().Dialogi->call(u"Showmaska", x, y, qint16(tryb)).toString();
    }
    if (!maska.isEmpty()) {
        File3.Wzorzec = maska;
        // The matcher runs over what the listing read, with its own switches.
        std::vector<qint32> pasujące;
        for (qint32 i = s.LiczbaKatalogów + 1; i <= s.LiczbaPozycji; ++i)
            if (const platform::EntryInfo *plik = Wpis(p, i); plik && File3.Pokazuje(*plik))
                pasujące.push_back(i);
        if (pasujące.empty()) {
            PokażKomunikat(QStringLiteral("Zaznacz pliki"),
                           QStringLiteral("W katalogu: ") + Gora(p)->Napis()
                               + QStringLiteral(" nie ma plików pasujących do wzorca: ") + maska,
                           3, 0, 0);
        } else {
            for (const qint32 i : pasujące)
                UstawZnak(p, i, tryb == 1 ? 1 : 0);
        }
    }
    // Directories were unmarked whatever the answer; the rows show it.
    PokażPanel(p, s.PierwszaPozycja);
    Panel_Click(p, s.WierszKursora);
}

void frmMain::UstalNastępneNieInsertowePole(QString &name)
{
    const StanPanelu &s = panel(AktywnyPanel);
    name.clear();
    const qint32 c = s.PierwszaPozycja + s.WierszKursora;
    for (qint32 i = c; i <= s.LiczbaPozycji; ++i)
        if (i >= 1 && !s.Zaznaczenia[size_t(i)]) {
            name = s.Rzeczywiste[size_t(i)];
            return;
        }
    for (qint32 i = std::min(c, s.LiczbaPozycji); i >= 1; --i)
        if (!s.Zaznaczenia[size_t(i)]) {
            name = s.Rzeczywiste[size_t(i)];
            return;
        }
}

void frmMain::ZaznaczPlik(const QString &name)
{
    const int p = AktywnyPanel;
    OdświeżListy(p);
    WczytajPanel(p);
    StanPanelu &s = panel(p);
    qint32 k = 0;
    for (qint32 i = 1; i <= s.LiczbaPozycji && !k; ++i)
        if (s.Rzeczywiste[size_t(i)] == name)
            k = i;
    PokażPozycję(p, k);
}
