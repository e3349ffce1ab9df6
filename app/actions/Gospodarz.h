#pragma once

class HistoriaPoleceń;
class LiniaPoleceń;
class QWidget;
struct SlotyKomponentów;
class WidokPanelu;

// What an action needs of the main window: the two panels and which one has
// the keys, the command line, the components kept for the run, and the
// window itself to place dialogs over.
class Gospodarz
{
public:
    virtual ~Gospodarz() = default;

    virtual WidokPanelu &Widok(int p) = 0; // 1 left, 2 right
    virtual int AktywnyPanel() const = 0;
    // Re-reads panel p from the disk and redraws it, the cursor kept in the list.
    virtual void OdświeżPanel(int p) = 0;

    virtual LiniaPoleceń &Linia() = 0;
    virtual HistoriaPoleceń &Historia() = 0;
    // Shows the typed text (and the caret in its visible phase).
    virtual void PokażLinię() = 0;

    // Panel commands the menu reaches.
    virtual void AltF1() = 0; // the left panel's volume
    virtual void AltF2() = 0; // the right panel's volume
    virtual void SwapPanels() = 0;
    virtual void Gora_Click(int p) = 0; // makes panel p active

    virtual SlotyKomponentów &Komponenty() = 0;

    virtual QWidget *Okno() = 0;
    // Closes the program without the exit question.
    virtual void Zakończ() = 0;
};
