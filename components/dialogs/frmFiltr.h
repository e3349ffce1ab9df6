#pragma once

#include "Filtr.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace oc {

// The file filter of a panel: four switches, the pattern and the buttons OK
// and Anuluj as fields 1 to 7. The arrows and Tab move between them; Space
// turns a switch over or presses a button; Enter takes the filter (Anuluj
// when it has the focus), Esc takes nothing.
class frmFiltr : public QDialog
{
    Q_OBJECT
public:
    explicit frmFiltr(const Filtr &filtr, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *lblPokaż = nullptr;
    QLabel *lblWzorzec = nullptr;
    std::array<ui::LabelButton *, 4> chkPokaż{};
    QLineEdit *txtWzorzec = nullptr;
    std::array<ui::LabelButton *, 2> lblBut{};
    std::array<ui::Shape *, 2> Shape1{};
    int Pole = 1; // the focused field
    // Four switch characters and the pattern, or "" when cancelled.
    QString Wynik;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *obiekt, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Przejdź(int pole);
    void Maluj(int pole, bool fokus);
    void Przełącz(int i);
    void Opisz(int i);
    void Zatwierdź();
    void Anuluj();

    Filtr m_filtr;
};

} // namespace oc
