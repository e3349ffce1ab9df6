#pragma once

#include "Kopiarka.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <array>
#include <mutex>

namespace occopy {

// "Kopiowanie plików": asks for the destination and the overwrite switch,
// then copies on a worker thread while showing the phase and the progress.
// The fields are 1 the destination, 2 the switch, 3 "Kopiuj", 4 "Anuluj";
// Enter in the destination starts the work as "Kopiuj" does, and a blank
// destination is refused with a message.
// The switch goes "[ x ]" (replace), "[   ]" (keep), "[ ? ]" (ask for each
// existing target and each source that cannot be read). Esc while copying
// asks whether to stop. The engine and its lists are the component's; the
// window borrows them for one run, and exec() gives 1 when the copy ran, 0
// when it was cancelled. The move window is this window doing other work.
class frmCopy : public QDialog
{
    Q_OBJECT
public:
    explicit frmCopy(Kopiarka &kopiarka, QWidget *parent = nullptr);
    ~frmCopy() override;

    // Closing the window by any means but its keys: cancels before the
    // copy, asks whether to stop during it.
    void reject() override;

    // Starts the work as "Kopiuj" does, as soon as the window shows.
    void ZacznijOdRazu();

    Kopiarka &kopiarka;
    int Pole = 1;

    QLabel *Label1 = nullptr;
    oc::ui::LabelButton *cmdB = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *KopiujDo = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    std::array<oc::ui::LabelButton *, 2> lblBut{};
    QLabel *Status = nullptr;
    QLabel *Label2 = nullptr;
    QProgressBar *Pasek = nullptr; // bytes copied, in thousandths
    std::array<oc::ui::Shape *, 2> Shape1{};
    QTimer *Timer1 = nullptr;

protected:
    // What the texts say of the work.
    struct Napisy
    {
        QString tytuł = QStringLiteral("Kopiowanie plików");
        QString pytanieOPrzerwanie = QStringLiteral("Przerwać kopiowanie plików?");
        QString niewykonane = QStringLiteral("Nie skopiowano pozycji: %1");
        QString postęp = QStringLiteral("Skopiowano: %1 plików z: %2");
        QString wSobie = QStringLiteral("Nie można skopiować katalogu %1 do niego samego");
    };

    // The work, on the worker thread once the user has started it.
    virtual void Pracuj();
    // The destination typed, made whole for the batch in hand.
    virtual QString Cel(const QString &wpisany) const { return kopiarka.KatalogDocelowyZ(wpisany); }
    // The chosen directory the destination lies in, or "".
    virtual QString WSobie(const QString &cel) const { return KatalogPonadCelem(kopiarka.lstDirs, cel); }
    virtual std::vector<oc::platform::FileError> BłędyPracy() const { return kopiarka.Błędy(); }
    // Shows the phase; from the worker thread.
    void Faza(const QString &tekst);
    // Stops the work and waits for its end, before the window goes.
    void ZatrzymajPracę();

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    Napisy m_napisy;

private:
    void Timer1_Timer();
    void PokażPytanie(bool pokaż);
    void Buttony();
    void Form_KeyDown(int kod);
    void Form_KeyPress(int znak);
    void Kopiuj();
    void Anuluj();
    void ZapytajOPrzerwanie();
    void PokażPostęp();
    void Koniec();
    void ZgłośBłędy();
    void UstawPytania();
    // Runs the question on the window's thread and waits for its answer.
    Odpowiedź NaWątkuOkna(const std::function<Odpowiedź()> &pytanie);

    QThread *m_wątek = nullptr;
    bool m_pyta = false;        // the stop question is open
    bool m_koniecCzeka = false; // the work ended while it was
    Pytania m_pytania;

    // The newest progress from the worker, shown by one queued call at a
    // time, a few times a second: more often would take a core from the copy.
    std::mutex m_postępMutex;
    Postęp m_postęp;
    bool m_postępCzeka = false;
    QElapsedTimer m_pokazany;
};

} // namespace occopy
