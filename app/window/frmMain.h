#pragma once

#include <actions/Gospodarz.h>
#include <actions/HistoriaPolecen.h>
#include <actions/LiniaPolecen.h>
#include <actions/Sloty.h>
#include <panels/UstawieniaPaneli.h>
#include <panels/WidokPanelu.h>
#include <ui/LabelButton.h>

#include <QHash>
#include <QWidget>
#include <array>

class ObserwatorKatalogow;
class PanelInformacji;
class SzybkiPodgląd;
class QFrame;
class QMenu;
class QAction;
class QLabel;
class QTimer;

// The main window: title bar, two file panels, command line and the
// function-key bar.
class frmMain : public QWidget, public Gospodarz
{
    Q_OBJECT
public:
    // The panels start in these directories (the fall-back one when empty).
    frmMain(const QString &left = {}, const QString &right = {});

    // The load sequence: both panels listed and drawn in the colours in
    // use, the left one active, then shown.
    void Form_Load();
    // The exit question and, on yes, releasing the components and saving
    // the directories; Cancel is set when the window is to stay open.
    void Form_Unload(bool &Cancel);

    QLabel *Label1;
    std::array<oc::ui::LabelButton *, 8> Label2{};
    oc::ui::LabelButton *Zegar;
    QLabel *Wskaznik, *DOSLab, *DosLab2;
    std::array<oc::ui::LabelButton *, 10> Short{}, ShortCyfra{};
    QFrame *picWyszukaj;
    QLabel *lblNazwa;
    // The side panels: the information panel and the quick view.
    PanelInformacji *Panel;
    SzybkiPodgląd *PanelB;
    qint32 TrybPaneluInfo = 0;                   // 0 none, 1 information panel, 2 quick view
    std::array<oc::ui::LabelButton *, 4> cmdB{}; // minimise, close, roll up, maximise
    oc::ui::LabelButton *imgRogu;
    // The corner menu: p[0..4] "Przywróć" to roll up, zam (close), mnuTop.
    QMenu *mnuPop1 = nullptr;
    std::array<QAction *, 5> p{};
    QAction *zam = nullptr, *mnuTop = nullptr;
    QTimer *Timer1, *Timer2, *tmrKlawisze, *tmrKursor;

private:
    WidokPanelu *m_panele[2];

public:
    // The panels' controls and lists under the names the panels have always had.
    std::vector<EtykietaPanelu *> &Panel1, &Panel2;
    EtykietaPanelu *&Gora1, *&Gora2;
    std::array<EtykietaPanelu *, 3> &Dol1, &Dol2;
    ListaKatalogów &Dir1, &Dir2;
    ListaPlików &File1, &File2;
    ListaPlików File3; // the marking pattern

    bool Gotowy = false;     // row clicks are acted on
    quint8 PomińZnak = 0;    // swallow the next typed character
    bool BezPytania = false; // close without the exit question

    // The host interface of the actions.
    WidokPanelu &Widok(int p) override { return *m_panele[p - 1]; }
    int AktywnyPanel() const override { return m_aktywny; }
    void OdświeżPanel(int p) override;
    LiniaPoleceń &Linia() override { return m_linia; }
    HistoriaPoleceń &Historia() override { return m_historia; }
    void PokażLinię() override;
    SlotyKomponentów &Komponenty() override { return m_komponenty; }
    QWidget *Okno() override { return this; }
    void Zakończ() override;

    void UstawAktywnyPanel(int p);
    void UłóżLinięPoleceń();

    // Row and header clicks; nothing happens while the quick search is open.
    void Panel_Click(int p, int r);
    void Panel_DblClick(int p, int r);
    void Panel_MouseDown(int p, int r, Qt::MouseButton button);
    void Gora_Click(int p) override;

    // Draws the F3 caption black while panel p's cursor stands on a file
    // (F3 shows every file), greyed on a directory or "..".
    void Rozsz(int p);

    // The system's key handlers: a virtual-key code with a modifier mask
    // (1 Shift, 2 Ctrl, 4 Alt), or a character code.
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyPress(int KeyAscii);
    // text: the key's text, which carries Caps Lock and Shift, when known.
    void Form_KeyUp(int KeyCode, int Shift, const QString &text = {});
    // The page keys and the panels' order and view (Ctrl+F1 to Ctrl+F7);
    // true when the key was one of them.
    bool KlawiszWidoku(int KeyCode, int Shift);

    // Cursor movement on the active panel; each ends in a row click.
    void StrzałkaWDół();
    void StrzałkaWGórę();
    void StrzałkaWLewo();
    void StrzałkaWPrawo();
    void k_Home();
    void k_End();
    // Re-reads panel 1, 2, or 3 for both (set to 3 when both show one directory).
    void RefreshPanel(qint32 &which);
    void SwapPanels() override;
    void AltF1() override { ZmieńWolumin(1); }
    void AltF2() override { ZmieńWolumin(2); }
    void Short_Click(int i);

    // Marking on the active panel.
    void k_Insert();
    void SzaraGwiazdka();
    void SzaryPlus() { ZaznaczMaską(1); }
    void SzaryMinus() { ZaznaczMaską(2); }
    void OdznaczKatalogi();

    // Quick search in picWyszukaj.
    void picWyszukaj_KeyPress(int KeyAscii);
    void picWyszukaj_KeyUp(int KeyCode, int Shift);
    void Wyszukaj_main();
    void PokażWyszukany(qint32 &k);
    void SchowajWyszukaj();

    // Window chrome: roll up to the title bar and back, maximise and back,
    // the title-bar buttons, the corner menu and the clock.
    void Zwijanka();
    void Maxymalizacja();
    void cmdB_Click(int index);
    void imgRogu_MouseDown();
    void Zegar_Click();
    bool Zwinięte() const { return m_zwinięte; }

    // The side panels over the inactive file panel.
    void PanelL();
    void VisibleX(bool v);
    void PanelQ();
    void VisibleX2(bool v);

    const UkładOkna &Układ() const { return m_układ; }

    // Each panel's order and view, as kept across runs.
    void UstawUstawienia(const UstawieniaPaneli &ustawienia);
    UstawieniaPaneli Ustawienia() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The wheel scrolls the panel under the pointer.
    void wheelEvent(QWheelEvent *event) override;
    // Files dropped from other programs on a panel's rows are copied there.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void UtwórzPanele();
    void UtwórzPasekKlawiszy();
    void ZastosujKolory();
    void ZastosujUkład(int W, int H);
    void ZmianaKatalogu(int p);
    void Timer1_Timer();
    void Timer2_Timer();
    void tmrKlawisze_Timer();
    // The six movement keys do nothing while the quick view covers the
    // active panel.
    bool RuchZablokowany() const;
    void ZmieńWolumin(int p);
    void ZaznaczMaską(int tryb);
    void OtwórzWyszukaj(QChar litera);
    void UtwórzBelkę();
    void KolorTytułuBocznego();
    void PokażPanelPod(QFrame *boczny, bool v);
    void OdświeżPanelBoczny(int p);
    // The panel whose row lies under a point of the window; 0 for none.
    int PanelPod(const QPoint &punkt) const;
    // Panels that follow their directories on the disk.
    void UtwórzObserwatora();
    void ZmianyNaDysku(int panele);

    qint32 m_aktywny = 1; // the panel that has the keys
    bool m_zwinięte = false;
    int m_zapisanaWysokość = 0; // twips, while rolled up
    bool m_zmaksymalizowane = false;
    int m_wybórMenu = 0; // the corner menu's last choice
    // The command line: typed text with its caret, and the lines run so far.
    LiniaPoleceń m_linia;
    HistoriaPoleceń m_historia;
    SlotyKomponentów m_komponenty;
    UkładOkna m_układ;
    QHash<QString, QString> m_ostatniNaWoluminie;
    ObserwatorKatalogow *m_obserwator = nullptr;
    int m_kółko = 0;                   // wheel turned by less than a notch so far (eighths of a degree)
    std::array<QString, 2> m_startowe; // the panels' directories for the load; "" for the fall-back one
};

// Puts the window above all others (on) or back among them; 0 after
// switching on, 1 after switching off.
qint32 UstawNaWierzchu(QWidget *okno, bool on);

// The last path component upper-cased; the whole path when it has no "/".
QString NazwaKatalogu(const QString &path);
