#pragma once

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace oc {

// The name of a new directory: an empty field; Enter or OK takes the typed
// name without the blanks around it, Esc or Anuluj takes nothing.
class frmNowyKat : public QDialog
{
    Q_OBJECT
public:
    explicit frmNowyKat(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *lblOpis = nullptr;
    QLineEdit *txtNazwa = nullptr;
    std::array<ui::LabelButton *, 2> lblBut{};
    std::array<ui::Shape *, 2> Shape1{};
    // The name to create, or "" when cancelled or left blank.
    QString Wynik;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Zatwierdź();
    void Anuluj();
};

} // namespace oc
