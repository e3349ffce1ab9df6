#pragma once

#include "Tabele.h"

#include <QList>
#include <QtGlobal>
#include <optional>

namespace menuoc {

// What a menu window does after a key or a click, in this order: the
// highlight moves, the window closes or opens the list, then it sends its key
// strokes.
struct Reakcja
{
    int Zgaś = -1;  // the entry or item no longer highlighted
    int Zapal = -1; // the entry or item highlighted now
    bool OtwórzListę = false;
    bool ZamknijListę = false;
    bool ZamknijPasek = false;
    bool Wybrano = false; // the bar closes on its timer's next tick
    QList<int> DoSiebie;  // key strokes to the window that took the key
    QList<int> DoPaska;   // key strokes from the list to the bar
};

// The menu's choice and its key rules, without a window: the bar's windows
// ask it what a key or a click does and show the answer.
class StanMenu
{
public:
    static constexpr qint32 BrakWyboru = 65535;

    qint32 WybraneMenu = 0;
    qint32 WybranaPozycja = 0;
    QList<Pozycja> Pozycje; // of the open list

    // A bar is about to show; start (0 to 6, or + 100 to open that entry's
    // list at once) takes effect when it activates.
    void NowyPasek(std::optional<qint32> start);
    // The first activation highlights the start entry; later ones change nothing.
    Reakcja AktywacjaPaska();
    Reakcja KlawiszPaska(int kod);
    Reakcja KlikPaska(int wpis);
    Reakcja DwuklikPaska(int wpis);
    // The bar closed other than by its timer: nothing was chosen.
    void ZamknięciePaska();

    // Fills the items of WybraneMenu and highlights the first.
    void AktywacjaListy();
    Reakcja KlawiszListy(int kod);
    Reakcja KlikListy(int pozycja);

    // Once an item is chosen the bar only waits for its timer.
    bool Wybrano() const { return m_wybrano; }

private:
    static Reakcja przesuń(qint32 &bieżący, int nowy);

    std::optional<qint32> m_start;
    bool m_wybrano = false;
    QList<int> m_kodyPaska;
    QList<int> m_kodyListy;
};

} // namespace menuoc
