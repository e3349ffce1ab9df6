#pragma once

#include <actions/Sloty.h>
#include <panels/UstawieniaPaneli.h>

#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QTimer;

// The start-up window: runs the start-up one step per tick of Timer1, the
// step counter kept as text in the timer's "Tag" property.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    frmSplash();

    // One tick: advances the counter and runs its step; a failing step takes
    // the first-run path.
    void Timer1_Timer();
    // Runs one step (1 to 7; others do nothing). Throws what the step meets.
    void Krok(int numer);

    // What steps 3 to 6 created; step 7 hands it to the main window.
    SlotyKomponentów &Komponenty() { return m_komponenty; }

    QLabel *lblWersja;
    QLabel *lblOpis;
    QTimer *Timer1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<QString, 2> m_katalogi; // the panels' saved directories
    UstawieniaPaneli m_ustawienia;     // and their order and view
    SlotyKomponentów m_komponenty;
};
