#pragma once

#include "Gra.h"

#include <QDialog>
#include <array>

class QLabel;

namespace oc::ui {
class LabelButton;
}

namespace ocfalrow {

// The start dialog: the difficulty, then play or quit. Fields 0 to 2 are the
// three levels, 3 "Zakończ" and 4 "Graj"; the arrows move the focus round them.
class Falrow2 : public QDialog
{
    Q_OBJECT
public:
    explicit Falrow2(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<oc::ui::LabelButton *, 3> Label4{};
    std::array<oc::ui::LabelButton *, 2> Label5{};
    int Pole = 0;     // the field with the focus
    int Szybkość = 0; // of the game started last, in milliseconds

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_KeyDown(int kod);
    void Wybierz(int poziom);
    void Graj();
    void Zakończ();
    void OldPoz();
    void NewPoz();
    QWidget *pole(int numer) const;

    Gra::Losowanie m_losowanie;
};

} // namespace ocfalrow
