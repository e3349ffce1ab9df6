#include "frmMain.h"

#include <actions/PokazKomunikat.h>
#include <actions/PytaniaOkna.h>
#include <panels/Kolory.h>
#include <panels/RysowanieWierszy.h>
#include <ui/Colors.h>
#include <ui/Keys.h>

using namespace oc;

void frmMain::k_Insert()
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    const qint32 i = s.PierwszaPozycja + s.WierszKursora;
    // A refresh that shortened the list may leave the cursor on a blank row.
    if (i > s.LiczbaPozycji)
        return;
    EtykietaPanelu *wiersz = w.Wiersze[size_t(s.WierszKursora)];
    if (s.Rzeczywiste[size_t(i)] != QStringLiteral("..")) {
        w.UstawZnak(i, s.Zaznaczenia[size_t(i)] ? 0 : 1);
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
    WidokPanelu &w = Widok(m_aktywny);
    for (qint32 i = 1; i <= w.Stan.LiczbaKatalogów; ++i)
        w.UstawZnak(i, 0);
}

void frmMain::SzaraGwiazdka()
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    OdznaczKatalogi();
    for (qint32 i = s.LiczbaKatalogów + 1; i <= s.LiczbaPozycji; ++i)
        w.UstawZnak(i, s.Zaznaczenia[size_t(i)] ? 0 : 1);
    w.PokażPanel(s.PierwszaPozycja);
    const bool zKorzenia = s.LiczbaPozycji >= 2 && s.Rzeczywiste[1] == QStringLiteral("..") && s.WierszKursora == 0;
    w.Panel_Click(zKorzenia ? 1 : s.WierszKursora);
    PomińZnak = 1;
}

void frmMain::ZaznaczMaską(int tryb)
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    OdznaczKatalogi();
    // The grey key's character is no command-line text.
    PomińZnak = 1;
    const QString maska = PodajMaskę(*this, m_aktywny, qint16(tryb));
    if (!maska.isEmpty()) {
        File3.Wzorzec = maska;
        // The matcher runs over what the listing read, with its own switches.
        std::vector<qint32> pasujące;
        for (qint32 i = s.LiczbaKatalogów + 1; i <= s.LiczbaPozycji; ++i)
            if (const platform::EntryInfo *plik = w.Wpis(i); plik && File3.Pokazuje(*plik))
                pasujące.push_back(i);
        if (pasujące.empty()) {
            PokażKomunikat(*this, QStringLiteral("Zaznacz pliki"),
                           QStringLiteral("W katalogu: ") + w.Gora->Napis()
                               + QStringLiteral(" nie ma plików pasujących do wzorca: ") + maska,
                           3, 0, 0);
        } else {
            for (const qint32 i : pasujące)
                w.UstawZnak(i, tryb == 1 ? 1 : 0);
        }
    }
    // Directories were unmarked whatever the answer; the rows show it.
    w.PokażPanel(s.PierwszaPozycja);
    w.Panel_Click(s.WierszKursora);
}
