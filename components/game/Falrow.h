#pragma once

#include "Gra.h"

#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QTimer;

namespace oc::ui {
class LabelButton;
}

namespace ocfalrow {

// The game window, not modal: the well, the next piece and the score. It
// deletes itself when the game ends and brings the start dialog back.
class Falrow : public QWidget
{
    Q_OBJECT
public:
    // A new game whose pieces fall one row every szybkość milliseconds.
    Falrow(int szybkość, Gra::Losowanie losowanie);

    // One tick of the gravity clock.
    void Timer1_Timer();

    Gra Stan;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    std::array<QFrame *, Gra::Kolumny * Gra::Wiersze> Shape1{}; // index Gra::coor(column, row)
    std::array<QFrame *, 12> Shape3{};
    oc::ui::LabelButton *cmdB = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_KeyDown(int kod);
    void Pauza();
    void Gameover();
    void Pokaż();
};

} // namespace ocfalrow
