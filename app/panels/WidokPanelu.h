#pragma once

#include "EtykietaPanelu.h"
#include "ListaKatalogow.h"
#include "ListaPlikow.h"
#include "StanPanelu.h"
#include "Uklad.h"
#include "WybranaPozycja.h"

#include <ui/LabelButton.h>

#include <QObject>
#include <QRect>
#include <array>
#include <optional>
#include <vector>

class QLabel;

// Where the screen and the cursor stand: the entry on the top row and the
// cursor's row.
struct MiejsceKursora
{
    qint32 pierwsza;
    qint32 wiersz;
};

// One file panel: its state and lists, and the controls that show them
// (header with the order's mark, rows, status line, scroll arrows). The
// controls are children of the window, so every one keeps its place in the
// window's layout. The brief view shows three columns of rows, the full view
// one column of rows with each entry's size, date and permissions; the
// number of rows follows the window's height.
class WidokPanelu : public QObject
{
    Q_OBJECT
public:
    WidokPanelu(int numer, QWidget *okno);

    const int Numer; // 1 left, 2 right

    StanPanelu Stan;
    ListaKatalogów Dir;
    ListaPlików File;

    EtykietaPanelu *Gora;
    QLabel *ZnakPorządku;                  // at the header's left end
    std::vector<EtykietaPanelu *> Wiersze; // the rows shown: OstatniWiersz + 1
    std::array<EtykietaPanelu *, 3> Dol{};
    oc::ui::LabelButton *imgGora, *imgDol;

    // Sets the directory list to a path (absolute, or relative to the
    // current one, ".." included) and reads it. A path that cannot be read
    // gives the nearest readable parent, else the fall-back directory.
    void UstawŚcieżkę(const QString &path);
    // Reads the directory again from the disk (falling back as above).
    void OdświeżListy();
    // What the listing read of entry i; nullptr for "..".
    const oc::platform::EntryInfo *Wpis(qint32 i) const;
    // Marks or unmarks entry i, keeping the marked count and size in step.
    void UstawZnak(qint32 i, quint8 znak);
    // The entry under the cursor; 0 when the panel is empty.
    qint32 PozycjaKursora() const;

    void WczytajPanel();
    void PokażPanel(qint32 first);
    // Draws the screen that shows entry k (from entry 1 when it fits on the
    // first screen, else with k on the last row) and puts the cursor on it.
    void PokażPozycję(qint32 k);
    // After a re-read: the same screen and cursor row when the entry is
    // still there, else the cursor on the last entry, shown.
    void PokażPoOdczycie();
    void WyczyśćPanel();
    void CzyśćDół();
    // Header, status line and cursor in the active or inactive colours.
    void PokażAktywność(bool aktywny);

    // The real name of the nearest unmarked entry at or after the cursor,
    // else before it; "" when every entry is marked.
    void UstalNastępneNieInsertowePole(QString &name) const;
    // Re-reads the panel and puts the cursor on the entry with that real name.
    void ZaznaczPlik(const QString &name);

    // What commands on the panel read and change, so none walks the state.
    // The directory shown, by its real path, ending with "/".
    QString Katalog() const;
    // The entry under the cursor, ".." included; nothing in an empty panel.
    std::optional<WybranaPozycja> PodKursorem() const;
    bool SąZaznaczone() const;
    // The marked entries in panel order: directories first.
    std::vector<WybranaPozycja> Zaznaczone() const;
    // The marked entries, or the one under the cursor when none is marked;
    // nothing for ".." alone or an empty panel.
    std::vector<WybranaPozycja> Wybrane() const;
    // The real name of the entry the cursor takes once the chosen entries
    // have gone: the nearest one left after the cursor, else before it.
    QString SąsiadWybranych() const;
    // The entry's index by its real name; 0 when it is not listed.
    qint32 PozycjaNazwy(const QString &nazwa) const;
    // The real name of entry i.
    QString NazwaPozycji(qint32 i) const;
    // Unmarks every entry; the screen and the cursor row stay.
    void WyczyśćZnaki();
    MiejsceKursora Miejsce() const;
    // After a re-read: that screen and cursor row, as PokażPoOdczycie().
    void PokażPoOdczycie(MiejsceKursora miejsce);
    // The next showing starts at the first entry; the cursor keeps its row.
    void OdPoczątku();
    // The screen and cursor row another panel had; a panel with fewer rows
    // keeps the same entry, on its last row.
    void PrzejmijMiejsce(MiejsceKursora miejsce);
    // On the way out: the lists hold only the blank entry they start with.
    void Opróżnij();
    // After a re-read: the cursor on the directory with that real name, a
    // row left below it on a long list; without one, the list from the top.
    void PokażKatalog(const QString &nazwa);
    // Enter on the entry under the cursor.
    void OtwórzPodKursorem();

    void Panel_Click(int r);
    void Panel_DblClick(int r);
    void Panel_MouseDown(int r, Qt::MouseButton button);

    // Places the controls for the window's layout; a new number of rows
    // keeps the entry under the cursor in view.
    void Ułóż(const UkładOkna &u);
    // Rows in each column: the step of Left and Right.
    int WierszeKolumny() const { return m_układ.WierszeKolumny; }
    // The header, rows and status line, in the window's pixels.
    QRect Obszar() const;

    // The order: a key chosen (again: reversed), or one set whole. The
    // marks and the entry under the cursor stay with their entries.
    void Sortuj(Sortowanie klucz);
    void UstawPorządek(Porządek porządek);
    const Porządek &Kolejność() const { return File.Kolejność; }
    // The full view (true) or the brief one.
    void UstawWidok(bool pełny);
    bool Pełny() const { return m_pełny; }

    // The view moved by a number of entries (down when positive) within the
    // list; the cursor stays on its entry while it is in view.
    void Przewiń(qint32 pozycje);
    // The cursor a page (the rows shown) further down or up.
    void StronaWDół();
    void StronaWGórę();
    // The parent directory, as ".." opens it; nothing at the root.
    void DoNadrzędnego();

signals:
    // Mouse on row r.
    void wierszKlik(int r);
    void wierszDwuklik(int r);
    void wierszPrzycisk(int r, Qt::MouseButton button);
    // The panel was clicked and takes the keys; sent before the cursor moves.
    void aktywowany();
    // The cursor stands on an entry with this display name.
    void kursorNaWpisie(const QString &name);
    void katalogZmieniony();
    // A file was double-clicked (or Enter pressed on it): its full path.
    void plikWybrany(const QString &path, const QString &name);
    // A scroll arrow asks for this movement key.
    void klawiszPrzewijania(int key);

private:
    void PokażStan(int r);
    EtykietaPanelu *NowyWiersz(int r);
    void UstawLiczbęWierszy(int liczba);
    void PokażPorządek();
    void WyjdźDoNadrzędnego();

    int m_szerokośćNazwy = 0; // the status line's first label when not summing up
    UkładOkna m_układ;
    bool m_pełny = false;
    qint64 m_największyPlik = 0; // sizes the full view's size column
};
