#pragma once

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace oc {

// The wildcard mask for marking (mode 1) or unmarking (mode 2): a field
// holding "*.*" at first; Enter or OK takes the typed mask, Esc or Anuluj
// takes nothing.
class frmMaska : public QDialog
{
    Q_OBJECT
public:
    explicit frmMaska(int tryb, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *lblOpis = nullptr;
    QLineEdit *txtMaska = nullptr;
    std::array<ui::LabelButton *, 2> lblBut{};
    std::array<ui::Shape *, 2> Shape1{};
    // The typed mask, or "" when cancelled.
    QString Wynik;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Zatwierdź();
    void Anuluj();
};

} // namespace oc
