#pragma once

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace oc {

// What the one-field windows share: a description over a field with the
// given text selected, OK and Anuluj below. Enter or OK takes the answer,
// Esc or Anuluj takes nothing.
class OknoPola : public QDialog
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr;
    QLabel *lblOpis = nullptr;
    QLineEdit *txtPole = nullptr;
    std::array<ui::LabelButton *, 2> lblBut{};
    std::array<ui::Shape *, 2> Shape1{};
    // The answer, or "" when cancelled.
    QString Wynik;

protected:
    OknoPola(const QString &tytuł, const QString &opis, const QString &tekst, QWidget *parent);

    // The answer for what the field holds; the text as it stands unless a
    // window says otherwise.
    virtual QString Odpowiedź(const QString &tekst) const { return tekst; }

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Zatwierdź();
    void Anuluj();
};

} // namespace oc
