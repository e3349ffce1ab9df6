#include "frmMain.h"

#include "RysowanieWierszy.h"

#include <platform/Directory.h>
#include <platform/Paths.h>
#include <platform/ProgramStarter.h>
#include <shell/PokazKomunikat.h>
#include <ui/Keys.h>

#include <QApplication>

using namespace oc;

bool PlikIstnieje(const QString &path) { return platform::fileExists(path); }

void frmMain::Panel_Click(int p, int r)
{
    if (!Gotowy || r < 0 || r > panel(p).OstatniWiersz)
        return;
    auto &wiersze = Wiersze(p);
    if (wiersze[size_t(r)]->Napis().isEmpty())
        return;
    if (AktywnyPanel != p)
        UstawAktywnyPanel(p);
    StanPanelu &s = panel(p);
    PomalujZwykły(wiersze[size_t(s.WierszKursora)]);
    s.WierszKursora = r;
    PomalujKursor(wiersze[size_t(r)]);
    PokażStan(p, r);
    Rozsz(s.Nazwy[size_t(s.PierwszaPozycja + r)]);
}

void frmMain::Panel_DblClick(int p, int r)
{
    if (!Gotowy || r < 0 || r > panel(p).OstatniWiersz || Wiersze(p)[size_t(r)]->Napis().isEmpty())
        return;
    StanPanelu &s = panel(p);
    const qint32 i = s.PierwszaPozycja + r;
    const QString nazwa = s.Rzeczywiste[size_t(i)];
    if (i <= s.LiczbaKatalogów) {
        if (i == 1 && nazwa == QStringLiteral("..")) {
            const QString opuszczony = Dir(p).Ścieżka().section(u'/', -1);
            UstawŚcieżkę(p, QStringLiteral(".."));
            WczytajPanel(p);
            // Names here differ by case alone, so the real name is compared.
            qint32 k = 1;
            while (k <= s.LiczbaKatalogów && s.Rzeczywiste[size_t(k)] != opuszczony)
                ++k;
            PokażPozycję(p, k > s.LiczbaKatalogów ? 1 : k);
        } else {
            const QString cel = platform::withSeparator(Dir(p).Ścieżka()) + nazwa;
            // A directory that cannot be entered leaves the panel as it is.
            if (!platform::canEnter(cel)) {
                QApplication::beep();
                return;
            }
            UstawŚcieżkę(p, cel);
            WczytajPanel(p);
            PokażPanel(p, 1);
            Panel_Click(p, 0);
        }
        Gora(p)->UstawNapis(Dir(p).Ścieżka().toUpper());
        return;
    }
    if (Dir(p).Ścieżka() == u'/' && s.Nazwy[size_t(i)] == QStringLiteral("autoexec.bat")
        && PokażKomunikat(QStringLiteral("AUTOEXEC.BAT"), QStringLiteral("Czy chcesz uruchomić plik AUTOEXEC.BAT ??"),
                          48, 4, 0) == 1)
        return;
    platform::programStarter().open(s.Katalog + nazwa);
}

void frmMain::Panel_MouseDown(int p, int r, Qt::MouseButton button)
{
    if (!Gotowy || button != Qt::RightButton || r < 0 || r > panel(p).OstatniWiersz)
        return;
    StanPanelu &s = panel(p);
    const qint32 i = s.PierwszaPozycja + r;
    if (i < 1 || i > s.LiczbaPozycji || s.Rzeczywiste[size_t(i)] == QStringLiteral(".."))
        return;
    UstawZnak(p, i, s.Zaznaczenia[size_t(i)] ? 0 : 1);
    UstawZnakWiersza(Wiersze(p)[size_t(r)], s.Zaznaczenia[size_t(i)] == 1);
}

void frmMain::Gora_Click(int p)
{
    if (Gotowy && AktywnyPanel != p)
        UstawAktywnyPanel(p);
}

void frmMain::Dol_Click(int p) { Gora_Click(p); }

void frmMain::imgGora_Click(int p)
{
    if (AktywnyPanel != p)
        UstawAktywnyPanel(p);
    ui::sendKey(this, ui::vk::Up);
}

void frmMain::imgDol_Click(int p)
{
    if (AktywnyPanel != p)
        UstawAktywnyPanel(p);
    ui::sendKey(this, ui::vk::Down);
}
