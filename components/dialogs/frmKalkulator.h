#pragma once

#include "Kalkulator.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <array>

namespace oc {

// The calculator: a display and twenty keys. Digits, the comma (or the
// point), + - * /, = or Enter, Backspace and Delete (clear) work from the
// keyboard as well as by a click; Esc closes the window.
class frmKalkulator : public QDialog
{
    Q_OBJECT
public:
    explicit frmKalkulator(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *lblWynik = nullptr;
    std::array<ui::LabelButton *, 18> cmdKlawisz{};
    std::array<ui::Shape *, 2> Shape1{};
    // What the display showed when the window closed.
    QString Wynik;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Naciśnij(QChar klawisz);

    Kalkulator m_kalkulator;
};

} // namespace oc
