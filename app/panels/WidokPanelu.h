#pragma once

#include "EtykietaPanelu.h"
#include "ListaKatalogow.h"
#include "ListaPlikow.h"
#include "StanPanelu.h"
#include "Uklad.h"

#include <ui/LabelButton.h>

#include <QObject>
#include <array>

// One file panel: its state and lists, and the controls that show them
// (header, 54 rows, status line, scroll arrows). The controls are children
// of the window, so every one keeps its place in the window's layout.
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
    std::array<EtykietaPanelu *, 54> Wiersze{};
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

    void Panel_Click(int r);
    void Panel_DblClick(int r);
    void Panel_MouseDown(int r, Qt::MouseButton button);

    // Places the controls for the window's layout.
    void Ułóż(const UkładOkna &u);

signals:
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

    int m_szerokośćNazwy = 0; // the status line's first label when not summing up
};
