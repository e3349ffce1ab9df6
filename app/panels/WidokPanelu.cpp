#include "WidokPanelu.h"

#include "DyskPanelu.h"
#include "InfoKatalogu.h"
#include "Kolory.h"
#include "RysowanieWierszy.h"
#include "TekstDaty.h"
#include "TekstRozmiaru.h"
#include "WidokPelny.h"
#include "Zaznaczenia.h"

#include <platform/Paths.h>
#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPainter>

using namespace oc;

namespace {

constexpr int szerokośćPodsumowania = 5175; // the marked-files summary
constexpr int szerokośćZnaku = 375;         // the order's mark in the header

// A small arrow picture for the scroll images.
QPixmap Strzałka(bool wGórę)
{
    const int bok = ui::toPixels(SzerokośćStrzałki);
    QPixmap obraz(bok, bok);
    obraz.fill(QColor(192, 192, 192));
    QPainter painter(&obraz);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double m = bok * 0.25;
    QPolygonF trójkąt;
    if (wGórę)
        trójkąt << QPointF(bok / 2.0, m) << QPointF(bok - m, bok - m) << QPointF(m, bok - m);
    else
        trójkąt << QPointF(m, m) << QPointF(bok - m, m) << QPointF(bok / 2.0, bok - m);
    painter.drawPolygon(trójkąt);
    return obraz;
}

// Names here differ by letter case alone ("Docs", "DOCS"): entries whose
// display names would read the same show their real names instead.
void RozróżnijNazwy(StanPanelu &s)
{
    QHash<QString, qint32> ile;
    ile.reserve(s.LiczbaPozycji);
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        ++ile[s.Nazwy[size_t(i)]];
    if (ile.size() == s.LiczbaPozycji)
        return;
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        if (ile.value(s.Nazwy[size_t(i)]) > 1)
            s.Nazwy[size_t(i)] = s.Rzeczywiste[size_t(i)];
}

} // namespace

WidokPanelu::WidokPanelu(int numer, QWidget *okno) : QObject(okno), Numer(numer)
{
    Gora = new EtykietaPanelu(okno);
    Gora->setAlignment(Qt::AlignCenter);
    Gora->setFont(ui::sansFont(8.25, true));
    Gora->UstawSkracanie(Skracanie::Ścieżka);
    // The path keeps clear of the mark on the left and the arrow on the right.
    const int margines = ui::toPixels(std::max(szerokośćZnaku, SzerokośćStrzałki));
    Gora->setContentsMargins(margines, 0, margines, 0);
    connect(Gora, &EtykietaPanelu::clicked, this, &WidokPanelu::aktywowany);
    ZnakPorządku = new QLabel(Gora);
    ZnakPorządku->setAlignment(Qt::AlignCenter);
    PokażPorządek();

    for (int r = 0; r < 3 * WierszeProjektu; ++r)
        Wiersze.push_back(NowyWiersz(r));
    for (int i = 0; i < 3; ++i) {
        EtykietaPanelu *stan = new EtykietaPanelu(okno);
        stan->setFont(ui::sansFont(8.25));
        stan->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (i == 0)
            stan->UstawSkracanie(Skracanie::Środek);
        connect(stan, &EtykietaPanelu::clicked, this, &WidokPanelu::aktywowany);
        Dol[size_t(i)] = stan;
    }
    imgGora = new ui::LabelButton(okno);
    imgGora->setPixmap(Strzałka(true));
    imgGora->setToolTip(QStringLiteral("Strzałka w górę dla myszomaniaków"));
    connect(imgGora, &ui::LabelButton::clicked, this, [this] {
        emit aktywowany();
        emit klawiszPrzewijania(ui::vk::Up);
    });
    imgDol = new ui::LabelButton(okno);
    imgDol->setPixmap(Strzałka(false));
    imgDol->setToolTip(numer == 1 ? QStringLiteral("Strzałka w dół dla myszomaniaków")
                                  : QStringLiteral(" Strzałka w dół dla myszomaniaków"));
    connect(imgDol, &ui::LabelButton::clicked, this, [this] {
        emit aktywowany();
        emit klawiszPrzewijania(ui::vk::Down);
    });
}

EtykietaPanelu *WidokPanelu::NowyWiersz(int r)
{
    auto *okno = static_cast<QWidget *>(parent());
    auto *wiersz = new EtykietaPanelu(okno);
    wiersz->setFont(ui::sansFont(9.75));
    wiersz->UstawSkracanie(Skracanie::Nazwa);
    connect(wiersz, &EtykietaPanelu::clicked, this, [this, r] { emit wierszKlik(r); });
    connect(wiersz, &EtykietaPanelu::doubleClicked, this, [this, r] { emit wierszDwuklik(r); });
    connect(wiersz, &EtykietaPanelu::pressed, this,
            [this, r](Qt::MouseButton button) { emit wierszPrzycisk(r, button); });
    if (!Wiersze.empty()) {
        // Rows added later lie under a side panel covering this one, as the first does.
        EtykietaPanelu *pierwszy = Wiersze.front();
        PomalujZwykły(wiersz);
        wiersz->stackUnder(pierwszy);
        wiersz->setVisible(!pierwszy->isHidden());
    }
    return wiersz;
}

void WidokPanelu::UstawŚcieżkę(const QString &path)
{
    auto [cel, odczyt] = CzytajKatalogPanelu(Dir.Ścieżka(), path);
    const bool zmiana = cel != Dir.Ścieżka();
    Dir.Wczytaj(cel, std::move(odczyt.directories), File.Ukryte);
    File.Wczytaj(cel, std::move(odczyt.files));
    m_największyPlik = 0;
    for (qint32 k = 0; k < File.Liczba(); ++k)
        m_największyPlik = std::max(m_największyPlik, File.Wpis(k).size);
    if (zmiana) {
        Stan.Katalog = platform::withSeparator(cel);
        emit katalogZmieniony();
    }
}

void WidokPanelu::OdświeżListy()
{
    UstawŚcieżkę(Dir.Ścieżka());
}

const platform::EntryInfo *WidokPanelu::Wpis(qint32 i) const
{
    if (i > Stan.LiczbaKatalogów) {
        const qint32 k = i - Stan.LiczbaKatalogów - 1;
        return k < File.Liczba() ? &File.Wpis(k) : nullptr;
    }
    // Directories follow ".." when there is one.
    const qint32 k = i - 1 - (Stan.LiczbaKatalogów - Dir.Liczba());
    return k >= 0 && k < Dir.Liczba() ? &Dir.Wpis(k) : nullptr;
}

void WidokPanelu::UstawZnak(qint32 i, quint8 znak)
{
    StanPanelu &s = Stan;
    if (s.Zaznaczenia[size_t(i)] == znak)
        return;
    s.Zaznaczenia[size_t(i)] = znak;
    const int zmiana = znak ? 1 : -1;
    s.IleZaznaczonych += zmiana;
    if (i > s.LiczbaKatalogów)
        if (const platform::EntryInfo *plik = Wpis(i))
            s.SumaZaznaczonych += zmiana * plik->size;
}

qint32 WidokPanelu::PozycjaKursora() const
{
    const qint32 i = Stan.PierwszaPozycja + Stan.WierszKursora;
    return i >= 1 && i <= Stan.LiczbaPozycji ? i : 0;
}

void WidokPanelu::WczytajPanel()
{
    StanPanelu &s = Stan;
    const bool korzeń = Dir.Ścieżka() == u'/';
    const qint32 d = Dir.Liczba();
    const qint32 f = File.Liczba();
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
        s.Rzeczywiste[size_t(i)] = Dir.Wpis(k).name;
        s.Nazwy[size_t(i)] = Dir.Wpis(k).name.toUpper();
    }
    for (qint32 k = 0; k < f; ++k, ++i) {
        s.Rzeczywiste[size_t(i)] = File.Wpis(k).name;
        s.Nazwy[size_t(i)] = File.Wpis(k).name.toLower();
    }
    RozróżnijNazwy(s);
}

void WidokPanelu::WyczyśćPanel()
{
    for (EtykietaPanelu *wiersz : Wiersze)
        wiersz->UstawNapis(QString());
}

void WidokPanelu::PokażPanel(qint32 first)
{
    StanPanelu &s = Stan;
    s.PierwszaPozycja = first;
    const qint32 ostatni = std::min(first + s.OstatniWiersz, s.LiczbaPozycji);
    // Rows are written once each: blank beyond the list, named within it.
    for (int r = 0; r <= s.OstatniWiersz; ++r) {
        EtykietaPanelu *wiersz = Wiersze[size_t(r)];
        const qint32 i = first + r;
        if (i < 1 || i > ostatni) {
            wiersz->UstawNapis(QString());
            continue;
        }
        wiersz->UstawNapis(s.Nazwy[size_t(i)]);
        UstawZnakWiersza(wiersz, s.Zaznaczenia[size_t(i)] == 1);
    }
    if (!m_pełny)
        return;
    // The columns fit the widest size of the directory, not of the screen,
    // so they stay put while the list scrolls.
    const QFontMetrics fm = Wiersze.front()->fontMetrics();
    const SzerokościKolumn najszersze{std::max(fm.horizontalAdvance(TekstZOdstępami(m_największyPlik)),
                                               fm.horizontalAdvance(QStringLiteral(">KAT<"))),
                                      fm.horizontalAdvance(QStringLiteral("00.00.0000 00:00")),
                                      fm.horizontalAdvance(QStringLiteral("rwxrwxrwx"))};
    const SzerokościKolumn szerokości = RozłóżKolumny(ui::toPixels(m_układ.PanelWidth), najszersze);
    for (int r = 0; r <= s.OstatniWiersz; ++r) {
        EtykietaPanelu *wiersz = Wiersze[size_t(r)];
        const qint32 i = first + r;
        wiersz->UstawSzerokościKolumn(szerokości);
        wiersz->UstawKolumny(i >= 1 && i <= ostatni ? TekstyKolumn(Wpis(i), i <= s.LiczbaKatalogów)
                                                    : std::array<QString, 3>{});
    }
}

void WidokPanelu::PokażPozycję(qint32 k)
{
    if (k <= Stan.OstatniWiersz + 1) {
        PokażPanel(1);
        Panel_Click(k - 1);
    } else {
        PokażPanel(k - Stan.OstatniWiersz);
        Panel_Click(Stan.OstatniWiersz);
    }
}

void WidokPanelu::PokażPoOdczycie()
{
    StanPanelu &s = Stan;
    if (s.LiczbaPozycji > 0 && s.PierwszaPozycja + s.WierszKursora > s.LiczbaPozycji) {
        // The list got shorter under the cursor: no bar may stay on a blank row.
        PomalujZwykły(Wiersze[size_t(s.WierszKursora)]);
        PokażPozycję(s.LiczbaPozycji);
        return;
    }
    PokażPanel(s.PierwszaPozycja);
    Panel_Click(s.WierszKursora);
    if (s.LiczbaPozycji == 0) {
        PomalujZwykły(Wiersze[size_t(s.WierszKursora)]);
        CzyśćDół();
    }
}

void WidokPanelu::CzyśćDół()
{
    for (EtykietaPanelu *stan : Dol)
        stan->UstawNapis(QString());
}

void WidokPanelu::PokażAktywność(bool aktywny)
{
    const Kolory &k = kolory();
    const quint32 tło = aktywny ? k.seldirbar : k.filebackground;
    ui::setBackground(Gora, tło);
    for (EtykietaPanelu *stan : Dol)
        ui::setBackground(stan, tło);
    EtykietaPanelu *kursor = Wiersze[size_t(Stan.WierszKursora)];
    if (!aktywny)
        PomalujZwykły(kursor);
    else if (Stan.LiczbaPozycji > 0)
        PomalujKursor(kursor);
}

void WidokPanelu::Panel_Click(int r)
{
    if (r < 0 || r > Stan.OstatniWiersz || Wiersze[size_t(r)]->Napis().isEmpty())
        return;
    emit aktywowany();
    StanPanelu &s = Stan;
    PomalujZwykły(Wiersze[size_t(s.WierszKursora)]);
    s.WierszKursora = r;
    PomalujKursor(Wiersze[size_t(r)]);
    PokażStan(r);
    emit kursorNaWpisie(s.Nazwy[size_t(s.PierwszaPozycja + r)]);
}

void WidokPanelu::Panel_DblClick(int r)
{
    if (r < 0 || r > Stan.OstatniWiersz || Wiersze[size_t(r)]->Napis().isEmpty())
        return;
    StanPanelu &s = Stan;
    const qint32 i = s.PierwszaPozycja + r;
    const QString nazwa = s.Rzeczywiste[size_t(i)];
    if (i > s.LiczbaKatalogów) {
        emit plikWybrany(s.Katalog + nazwa, s.Nazwy[size_t(i)]);
        return;
    }
    if (i == 1 && nazwa == QStringLiteral("..")) {
        WyjdźDoNadrzędnego();
    } else {
        const QString cel = platform::withSeparator(Dir.Ścieżka()) + nazwa;
        // A directory that cannot be entered leaves the panel as it is.
        if (!KatalogDostępny(cel)) {
            QApplication::beep();
            return;
        }
        UstawŚcieżkę(cel);
        WczytajPanel();
        PokażPanel(1);
        Panel_Click(0);
    }
    Gora->UstawNapis(Dir.Ścieżka().toUpper());
}

void WidokPanelu::WyjdźDoNadrzędnego()
{
    StanPanelu &s = Stan;
    const QString opuszczony = Dir.Ścieżka().section(u'/', -1);
    UstawŚcieżkę(QStringLiteral(".."));
    WczytajPanel();
    // Names here differ by case alone, so the real name is compared. A
    // directory not listed (a hidden one) leaves the search past the
    // directories: on the first file, or the last entry when none.
    qint32 k = 1;
    while (k <= s.LiczbaKatalogów && s.Rzeczywiste[size_t(k)] != opuszczony)
        ++k;
    PokażPozycję(std::min(k, std::max(s.LiczbaPozycji, qint32(1))));
}

void WidokPanelu::DoNadrzędnego()
{
    if (Stan.LiczbaPozycji < 1 || Stan.Rzeczywiste[1] != QStringLiteral(".."))
        return;
    WyjdźDoNadrzędnego();
    Gora->UstawNapis(Dir.Ścieżka().toUpper());
}

void WidokPanelu::Panel_MouseDown(int r, Qt::MouseButton button)
{
    if (button != Qt::RightButton || r < 0 || r > Stan.OstatniWiersz)
        return;
    StanPanelu &s = Stan;
    const qint32 i = s.PierwszaPozycja + r;
    if (i < 1 || i > s.LiczbaPozycji || s.Rzeczywiste[size_t(i)] == QStringLiteral(".."))
        return;
    UstawZnak(i, s.Zaznaczenia[size_t(i)] ? 0 : 1);
    EtykietaPanelu *wiersz = Wiersze[size_t(r)];
    UstawZnakWiersza(wiersz, s.Zaznaczenia[size_t(i)] == 1);
    // The cursor bar stays a cursor bar, marked or not.
    if (r == s.WierszKursora && ui::background(wiersz) == kolory().fileselbackground)
        PomalujKursor(wiersz);
}

void WidokPanelu::UstalNastępneNieInsertowePole(QString &name) const
{
    const StanPanelu &s = Stan;
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

void WidokPanelu::ZaznaczPlik(const QString &name)
{
    OdświeżListy();
    WczytajPanel();
    StanPanelu &s = Stan;
    qint32 k = 0;
    for (qint32 i = 1; i <= s.LiczbaPozycji && !k; ++i)
        if (s.Rzeczywiste[size_t(i)] == name)
            k = i;
    PokażPozycję(k);
}

// The status line for the entry on row r: name, size and date, or one
// centred summary while entries are marked.
void WidokPanelu::PokażStan(int r)
{
    const StanPanelu &s = Stan;
    const qint32 i = s.PierwszaPozycja + r;
    const qint32 n = LiczbaZaznaczonych(s);
    if (n == 0) {
        if (Dol[1]->isHidden()) {
            Dol[1]->show();
            Dol[2]->show();
            ui::resizeTwips(Dol[0], m_szerokośćNazwy, 255);
            Dol[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        Dol[0]->UstawNapis(s.Rzeczywiste[size_t(i)]);
        const platform::EntryInfo *wpis = Wpis(i);
        if (!wpis) { // ".."
            Dol[1]->UstawNapis(QString());
            Dol[2]->UstawNapis(QString());
            return;
        }
        Dol[1]->UstawNapis(i <= s.LiczbaKatalogów ? QStringLiteral(">KAT<") : TekstRozmiaru(wpis->size));
        Dol[2]->UstawNapis(TekstDaty(wpis->modified));
        return;
    }
    if (!Dol[1]->isHidden()) {
        Dol[1]->hide();
        Dol[2]->hide();
        ui::resizeTwips(Dol[0], szerokośćPodsumowania, 255);
        Dol[0]->setAlignment(Qt::AlignCenter);
    }
    Dol[0]->UstawNapis(QStringLiteral("Zaznaczono ") + QString::number(n)
                       + QStringLiteral(" plików/katatalogów, ich rozmiar to: ") + RozmiarZaznaczonych(s));
    Dol[1]->UstawNapis(QString());
    Dol[2]->UstawNapis(QString());
}

void WidokPanelu::Ułóż(const UkładOkna &u)
{
    m_układ = u;
    const int R = u.WierszeKolumny;
    const auto &lewe = Numer == 1 ? u.LewyPanel1 : u.LewyPanel2;
    const int liczba = m_pełny ? R : 3 * R;
    const bool inna = liczba != int(Wiersze.size());
    // Whether the bar shows decides how the rows are drawn again.
    const bool zKursorem = ui::background(Wiersze[size_t(Stan.WierszKursora)]) == kolory().fileselbackground;
    while (int(Wiersze.size()) < liczba)
        Wiersze.push_back(NowyWiersz(int(Wiersze.size())));
    for (int r = 0; r < liczba; ++r) {
        EtykietaPanelu *wiersz = Wiersze[size_t(r)];
        const int góra = GóraWierszy + KrokWiersza * (r % R);
        if (m_pełny) {
            ui::placeTwips(wiersz, lewe[0], góra, u.PanelWidth, WysokośćWiersza);
        } else {
            ui::placeTwips(wiersz, lewe[size_t(r / R)], góra, u.Kolumna, WysokośćWiersza);
            wiersz->UstawSzerokościKolumn({});
        }
    }
    if (inna)
        UstawLiczbęWierszy(liczba);
    if (inna && zKursorem)
        PomalujKursor(Wiersze[size_t(Stan.WierszKursora)]);

    const int dół = GóraStanu + u.Obniżenie;
    if (Numer == 1)
        ui::placeTwips(Gora, u.Gora1Left, 360, u.Gora1Width, 255);
    else
        ui::placeTwips(Gora, u.Gora2Left, 360, u.Gora2Width, 255);
    ui::placeTwips(ZnakPorządku, 0, 0, szerokośćZnaku, 255);
    const auto &lewy = Numer == 1 ? u.Dol1Left : u.Dol2Left;
    for (int i = 0; i < 3; ++i)
        ui::placeTwips(Dol[size_t(i)], lewy[size_t(i)], dół, u.DolWidth[size_t(i)], 255);
    m_szerokośćNazwy = u.DolWidth[0];
    if (Dol[1]->isHidden())
        ui::resizeTwips(Dol[0], szerokośćPodsumowania, 255);
    ui::placeTwips(imgGora, Numer == 1 ? u.imgGora1Left : u.imgGora2Left, 360, SzerokośćStrzałki, 255);
    ui::placeTwips(imgDol, Numer == 1 ? u.imgDol1Left : u.imgDol2Left, dół, SzerokośćStrzałki, 255);
}

// Drops the rows past the new number and draws the list again with the
// entry under the cursor in view: from the same entry when it fits, else
// pulled up so the view stays full at the list's end.
void WidokPanelu::UstawLiczbęWierszy(int liczba)
{
    StanPanelu &s = Stan;
    for (size_t r = size_t(liczba); r < Wiersze.size(); ++r) {
        Wiersze[r]->hide();
        Wiersze[r]->deleteLater();
    }
    Wiersze.resize(size_t(liczba));
    const qint32 L = liczba - 1;
    const qint32 kursor = s.PierwszaPozycja + s.WierszKursora;
    qint32 pierwsza = 1;
    if (s.LiczbaPozycji > 0) {
        pierwsza = std::max(s.PierwszaPozycja, kursor - L);
        pierwsza = std::max(1, std::min(pierwsza, s.LiczbaPozycji - L));
    }
    if (s.WierszKursora <= L)
        PomalujZwykły(Wiersze[size_t(s.WierszKursora)]);
    s.OstatniWiersz = L;
    s.WierszKursora = s.LiczbaPozycji > 0 ? kursor - pierwsza : 0;
    PokażPanel(pierwsza);
}

QRect WidokPanelu::Obszar() const
{
    const int lewy = (Numer == 1 ? m_układ.LewyPanel1 : m_układ.LewyPanel2)[0];
    return QRect(
        QPoint(ui::toPixels(lewy), ui::toPixels(360)),
        QPoint(ui::toPixels(lewy + m_układ.PanelWidth) - 1, ui::toPixels(GóraStanu + m_układ.Obniżenie + 255) - 1));
}

void WidokPanelu::UstawWidok(bool pełny)
{
    if (pełny == m_pełny)
        return;
    m_pełny = pełny;
    Ułóż(m_układ);
}

void WidokPanelu::Sortuj(Sortowanie klucz)
{
    UstawPorządek(NastępnyPorządek(Kolejność(), klucz));
}

void WidokPanelu::UstawPorządek(Porządek porządek)
{
    StanPanelu &s = Stan;
    const qint32 kropki = s.LiczbaKatalogów - Dir.Liczba(); // 1 when ".." is listed
    const bool wypisany = s.LiczbaPozycji > 0 && s.LiczbaPozycji == kropki + Dir.Liczba() + File.Liczba()
                          && qint32(s.Zaznaczenia.size()) == s.LiczbaPozycji + 1;
    // Marks and the cursor by where their entries stand in the listing.
    std::vector<quint8> znaki(size_t(std::max(s.LiczbaPozycji, 0)) + 1, 0);
    const auto miejsce = [&](qint32 i) {
        if (i <= kropki)
            return i;
        if (i <= s.LiczbaKatalogów)
            return kropki + 1 + Dir.Pozycja(i - kropki - 1);
        return s.LiczbaKatalogów + 1 + File.Pozycja(i - s.LiczbaKatalogów - 1);
    };
    qint32 kursor = 0;
    if (wypisany) {
        for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
            znaki[size_t(miejsce(i))] = s.Zaznaczenia[size_t(i)];
        kursor = miejsce(s.PierwszaPozycja + s.WierszKursora);
    }
    Dir.Kolejność = File.Kolejność = porządek;
    Dir.Uporządkuj();
    File.Uporządkuj();
    PokażPorządek();
    if (!wypisany)
        return;
    const qint32 wiersz = s.WierszKursora;
    WczytajPanel();
    qint32 nowy = 1;
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i) {
        const qint32 m = miejsce(i);
        UstawZnak(i, znaki[size_t(m)]);
        if (m == kursor)
            nowy = i;
    }
    const qint32 pierwsza = std::max(1, std::min(nowy - wiersz, s.LiczbaPozycji - s.OstatniWiersz));
    PokażPanel(pierwsza);
    Panel_Click(nowy - pierwsza);
}

void WidokPanelu::PokażPorządek()
{
    static const char16_t litery[] = u"NRDWB";
    static const char *const nazwy[]
        = {"według nazwy", "według rozszerzenia", "według daty", "według wielkości", "bez sortowania"};
    const Porządek &p = Kolejność();
    const int k = int(p.Klucz);
    ZnakPorządku->setText(QChar(litery[k]) + (p.Odwrotnie ? QStringLiteral("▼") : QStringLiteral("▲")));
    ZnakPorządku->setToolTip(QStringLiteral("Kolejność: ") + QString::fromUtf8(nazwy[k])
                             + (p.Odwrotnie ? QStringLiteral(", odwrotnie") : QString()));
}

void WidokPanelu::Przewiń(qint32 pozycje)
{
    const StanPanelu &s = Stan;
    if (s.LiczbaPozycji == 0)
        return;
    const qint32 L = s.OstatniWiersz;
    const qint32 kursor = s.PierwszaPozycja + s.WierszKursora;
    const qint32 pierwsza = std::clamp(s.PierwszaPozycja + pozycje, 1, std::max(1, s.LiczbaPozycji - L));
    const qint32 nowy = std::clamp(kursor, pierwsza, std::min(pierwsza + L, s.LiczbaPozycji));
    if (pierwsza != s.PierwszaPozycja)
        PokażPanel(pierwsza);
    Panel_Click(nowy - pierwsza);
}

void WidokPanelu::StronaWDół()
{
    const StanPanelu &s = Stan;
    if (s.LiczbaPozycji == 0)
        return;
    const qint32 L = s.OstatniWiersz, t = s.PierwszaPozycja;
    const qint32 cel = std::min(t + s.WierszKursora + L + 1, s.LiczbaPozycji);
    if (cel <= t + L) {
        Panel_Click(cel - t);
        return;
    }
    const qint32 pierwsza = std::min(t + L + 1, std::max(1, s.LiczbaPozycji - L));
    PokażPanel(pierwsza);
    Panel_Click(cel - pierwsza);
}

void WidokPanelu::StronaWGórę()
{
    const StanPanelu &s = Stan;
    if (s.LiczbaPozycji == 0)
        return;
    const qint32 L = s.OstatniWiersz, t = s.PierwszaPozycja;
    const qint32 cel = std::max(t + s.WierszKursora - (L + 1), 1);
    if (cel >= t) {
        Panel_Click(cel - t);
        return;
    }
    const qint32 pierwsza = std::max(t - (L + 1), 1);
    PokażPanel(pierwsza);
    Panel_Click(cel - pierwsza);
}
