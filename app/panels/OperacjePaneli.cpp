#include "frmMain.h"

#include "RysowanieWierszy.h"

#include <platform/Paths.h>
#include <platform/Volumes.h>
#include <shell/Kolory.h>
#include <ui/Colors.h>

#include <QDir>

using namespace oc;

QString NazwaKatalogu(const QString &path)
{
    const qsizetype ukośnik = path.lastIndexOf(u'/');
    return (ukośnik < 0 ? path : path.mid(ukośnik + 1)).toUpper();
}

void frmMain::UstawŚcieżkę(int p, const QString &path)
{
    QString cel = QDir::isAbsolutePath(path) ? path : Dir(p).Ścieżka() + u'/' + path;
    cel = QDir::cleanPath(cel);
    platform::DirectoryListing odczyt;
    for (;;) {
        if (platform::canEnter(cel)) {
            odczyt = platform::readDirectory(cel);
            if (odczyt.ok)
                break;
        }
        if (cel == u'/') {
            cel = platform::fallbackDirectory();
            odczyt = platform::readDirectory(cel);
            break;
        }
        cel = QDir::cleanPath(cel + QStringLiteral("/.."));
    }
    const bool zmiana = cel != Dir(p).Ścieżka();
    Dir(p).Wczytaj(cel, std::move(odczyt.directories), File(p).Ukryte);
    File(p).Wczytaj(cel, std::move(odczyt.files));
    if (zmiana)
        ZmianaKatalogu(p);
}

void frmMain::OdświeżListy(int p) { UstawŚcieżkę(p, Dir(p).Ścieżka()); }

void frmMain::ZmianaKatalogu(int p)
{
    const QString ścieżka = Dir(p).Ścieżka();
    panel(p).Katalog = platform::withSeparator(ścieżka);
    Wskaznik->setText(panel(p).Katalog + u'>');
    Wskaznik->adjustSize();
    UłóżLinięPoleceń();
    m_ostatniNaWoluminie.insert(platform::volumeOf(ścieżka), ścieżka);
}

const platform::EntryInfo *frmMain::Wpis(int p, qint32 i)
{
    const StanPanelu &s = panel(p);
    if (i > s.LiczbaKatalogów) {
        const qint32 k = i - s.LiczbaKatalogów - 1;
        return k < File(p).Liczba() ? &File(p).Wpis(k) : nullptr;
    }
    // Directories follow ".." when there is one.
    const qint32 k = i - 1 - (s.LiczbaKatalogów - Dir(p).Liczba());
    return k >= 0 && k < Dir(p).Liczba() ? &Dir(p).Wpis(k) : nullptr;
}

void frmMain::UstawZnak(int p, qint32 i, quint8 znak)
{
    StanPanelu &s = panel(p);
    if (s.Zaznaczenia[size_t(i)] == znak)
        return;
    s.Zaznaczenia[size_t(i)] = znak;
    const int zmiana = znak ? 1 : -1;
    s.IleZaznaczonych += zmiana;
    if (i > s.LiczbaKatalogów)
        if (const platform::EntryInfo *plik = Wpis(p, i))
            s.SumaZaznaczonych += zmiana * plik->size;
}

void frmMain::WczytajPanel(int p)
{
    StanPanelu &s = panel(p);
    const ListaKatalogów &katalogi = Dir(p);
    const ListaPlików &pliki = File(p);
    const bool korzeń = katalogi.Ścieżka() == u'/';
    const qint32 d = katalogi.Liczba();
    const qint32 f = pliki.Liczba();
    s.LiczbaKatalogów = korzeń ? d : d + 1;
    s.LiczbaPozycji = s.LiczbaKatalogów + f;
    const size_t rozmiar = size_t(s.LiczbaPozycji) + 1;
    s.Nazwy.assign(rozmiar, QString());
    s.Rzeczywiste.assign(rozmiar, QString());
    s.Zaznaczenia.assign(rozmiar, 0);
    s.IleZaznaczonych = 0;
    s.SumaZaznaczonych = 0;
    qint32 i = 1;
    if (!korzeń) {
        s.Nazwy[1] = s.Rzeczywiste[1] = QStringLiteral("..");
        i = 2;
    }
    for (qint32 k = 0; k < d; ++k, ++i) {
        s.Rzeczywiste[size_t(i)] = katalogi.Wpis(k).name;
        s.Nazwy[size_t(i)] = katalogi.Wpis(k).name.toUpper();
    }
    for (qint32 k = 0; k < f; ++k, ++i) {
        s.Rzeczywiste[size_t(i)] = pliki.Wpis(k).name;
        s.Nazwy[size_t(i)] = pliki.Wpis(k).name.toLower();
    }
}

void frmMain::WyczyśćPanel(int p)
{
    for (EtykietaPanelu *wiersz : Wiersze(p))
        wiersz->UstawNapis(QString());
}

void frmMain::PokażPanel(int p, qint32 first)
{
    StanPanelu &s = panel(p);
    s.PierwszaPozycja = first;
    const qint32 ostatni = std::min(first + s.OstatniWiersz, s.LiczbaPozycji);
    // Rows are written once each: blank beyond the list, named within it.
    for (int r = 0; r <= s.OstatniWiersz; ++r) {
        EtykietaPanelu *wiersz = Wiersze(p)[size_t(r)];
        const qint32 i = first + r;
        if (i < 1 || i > ostatni) {
            wiersz->UstawNapis(QString());
            continue;
        }
        wiersz->UstawNapis(s.Nazwy[size_t(i)]);
        UstawZnakWiersza(wiersz, s.Zaznaczenia[size_t(i)] == 1);
    }
}

void frmMain::PokażPozycję(int p, qint32 k)
{
    const StanPanelu &s = panel(p);
    if (k <= s.OstatniWiersz + 1) {
        PokażPanel(p, 1);
        Panel_Click(p, k - 1);
    } else {
        PokażPanel(p, k - s.OstatniWiersz);
        Panel_Click(p, s.OstatniWiersz);
    }
}

void frmMain::UstawAktywnyPanel(int p)
{
    const int q = 3 - p;
    const Kolory &k = kolory();
    ui::setBackground(Gora(p), k.seldirbar);
    ui::setBackground(Gora(q), k.filebackground);
    for (int i = 0; i < 3; ++i) {
        ui::setBackground(Dol(p)[i], k.seldirbar);
        ui::setBackground(Dol(q)[i], k.filebackground);
    }
    if (panel(p).LiczbaPozycji > 0)
        PomalujKursor(Wiersze(p)[size_t(panel(p).WierszKursora)]);
    PomalujZwykły(Wiersze(q)[size_t(panel(q).WierszKursora)]);

    Wskaznik->setText(u' ' + Dir(p).Ścieżka() + u'>');
    Wskaznik->adjustSize();
    AktywnyPanel = p;
    UłóżLinięPoleceń();
}
