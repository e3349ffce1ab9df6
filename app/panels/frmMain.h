#pragma once

#include "EtykietaPanelu.h"
#include "ListaKatalogow.h"
#include "ListaPlikow.h"
#include "StanPanelu.h"
#include "Uklad.h"

#include <actions/HistoriaPolecen.h>
#include <actions/LiniaPolecen.h>
#include <ui/LabelButton.h>

#include <QHash>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QTimer;

// The main window: title bar, two file panels, command line and the
// function-key bar.
class frmMain : public QWidget
{
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // The load sequence: colour scheme, both panels listed and drawn, the
    // left one active, then shown. A colour scheme that cannot be read
    // throws before anything is shown.
    void Form_Load();
    // The exit question and, on yes, releasing the components and saving
    // the directories; Cancel is set when the window is to stay open.
    void Form_Unload(bool &Cancel);

    QLabel *Label1;
    std::array<oc::ui::LabelButton *, 8> Label2{};
    EtykietaPanelu *Gora1, *Gora2;
    QLabel *Zegar;
    std::array<EtykietaPanelu *, 54> Panel1{}, Panel2{};
    std::array<EtykietaPanelu *, 3> Dol1{}, Dol2{};
    std::array<oc::ui::LabelButton *, 3> imgGora{}, imgDol{}; // indexed by panel number
    QLabel *Wskaznik, *DOSLab, *DosLab2;
    std::array<oc::ui::LabelButton *, 10> Short{}, ShortCyfra{};
    QFrame *picWyszukaj;
    QLabel *lblNazwa;
    QFrame *Panel, *PanelB;
    std::array<QLabel *, 4> cmdB{};
    QLabel *imgRogu;
    QTimer *Timer1, *Timer2, *tmrKlawisze, *tmrKursor;

    ListaKatalogów Dir1, Dir2;
    ListaPlików File1, File2, File3;

    bool Gotowy = false;    // row clicks are acted on
    quint8 PomińZnak = 0;   // swallow the next typed character
    bool BezPytania = false; // close without the exit question

    // The command line: typed text with its caret, and the lines run so far.
    LiniaPoleceń Linia;
    HistoriaPoleceń Historia;

    // Per-panel views of the controls and lists (panel 1 or 2).
    std::array<EtykietaPanelu *, 54> &Wiersze(int p) { return p == 1 ? Panel1 : Panel2; }
    std::array<EtykietaPanelu *, 3> &Dol(int p) { return p == 1 ? Dol1 : Dol2; }
    EtykietaPanelu *Gora(int p) { return p == 1 ? Gora1 : Gora2; }
    ListaKatalogów &Dir(int p) { return p == 1 ? Dir1 : Dir2; }
    ListaPlików &File(int p) { return p == 1 ? File1 : File2; }

    // Sets a panel's directory list to a path (absolute, or relative to its
    // current one, ".." included) and reads it. A path that cannot be read
    // gives the nearest readable parent, else the fall-back directory.
    void UstawŚcieżkę(int p, const QString &path);
    // Reads the panel's directory again from the disk (falling back as above).
    void OdświeżListy(int p);
    // What the listing read of entry i; nullptr for "..".
    const oc::platform::EntryInfo *Wpis(int p, qint32 i);
    // Marks or unmarks entry i, keeping the marked count and size in step.
    void UstawZnak(int p, qint32 i, quint8 znak);

    void WczytajPanel(int p);
    void PokażPanel(int p, qint32 first);
    // Draws the screen that shows entry k (from entry 1 when it fits on the
    // first screen, else with k on the last row) and puts the cursor on it.
    void PokażPozycję(int p, qint32 k);
    void WyczyśćPanel(int p);
    void UstawAktywnyPanel(int p);
    void UłóżLinięPoleceń();

    void Panel_Click(int p, int r);
    void Panel_DblClick(int p, int r);
    void Panel_MouseDown(int p, int r, Qt::MouseButton button);
    void Gora_Click(int p);
    void Dol_Click(int p);
    void imgGora_Click(int p);
    void imgDol_Click(int p);

    void CzyśćDół(int p);
    // Draws the F3 caption black for a viewable extension, greyed otherwise.
    void Rozsz(const QString &name);

    // The system's key handlers: a virtual-key code with a modifier mask
    // (1 Shift, 2 Ctrl, 4 Alt), or a character code.
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyPress(int KeyAscii);
    // text: the key's text, which carries Caps Lock and Shift, when known.
    void Form_KeyUp(int KeyCode, int Shift, const QString &text = {});

    // Cursor movement on the active panel; each ends in a row click.
    void StrzałkaWDół();
    void StrzałkaWGórę();
    void StrzałkaWLewo();
    void StrzałkaWPrawo();
    void k_Home();
    void k_End();
    // Re-reads panel 1, 2, or 3 for both (set to 3 when both show one directory).
    void RefreshPanel(qint32 &which);
    void SwapPanels();
    void AltF1() { ZmieńWolumin(1); }
    void AltF2() { ZmieńWolumin(2); }
    void Short_Click(int i);

    // Marking on the active panel.
    void k_Insert();
    void SzaraGwiazdka();
    void SzaryPlus() { ZaznaczMaską(1); }
    void SzaryMinus() { ZaznaczMaską(2); }
    void OdznaczKatalogi();
    // The real name of the nearest unmarked entry at or after the cursor,
    // else before it; "" when every entry is marked.
    void UstalNastępneNieInsertowePole(QString &name);
    // Re-reads the active panel and puts the cursor on the entry with that
    // real name.
    void ZaznaczPlik(const QString &name);

    // Quick search in picWyszukaj.
    void picWyszukaj_KeyPress(int KeyAscii);
    void picWyszukaj_KeyUp(int KeyCode, int Shift);
    void Wyszukaj_main();
    void PokażWyszukany(qint32 &k);
    void SchowajWyszukaj();

    const UkładOkna &Układ() const { return m_układ; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void UtwórzPanele();
    void UtwórzPasekKlawiszy();
    void ZastosujKolory();
    void ZastosujUkład(int W);
    void ZmianaKatalogu(int p);
    void PokażStan(int p, int r);
    void Timer1_Timer();
    void Timer2_Timer();
    void tmrKlawisze_Timer();
    // The six movement keys do nothing while the quick view covers the
    // active panel.
    bool RuchZablokowany() const;
    void ZmieńWolumin(int p);
    void ZaznaczMaską(int tryb);
    void OtwórzWyszukaj(QChar litera);

    UkładOkna m_układ;
    QHash<QString, QString> m_ostatniNaWoluminie; // mount point -> last directory shown there
};

// The live main window; nullptr before it is made and after it is gone.
frmMain *GłówneOkno();

// The last path component upper-cased; the whole path when it has no "/".
QString NazwaKatalogu(const QString &path);
// True when the path exists as something other than a directory.
bool PlikIstnieje(const QString &path);
