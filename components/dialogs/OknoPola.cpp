#include "OknoPola.h"

#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace oc {

OknoPola::OknoPola(const QString &tytuł, const QString &opis, const QString &tekst, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    ui::resizeTwips(this, 4320, 1740);
    Shape1 = wygląd::ramki(this);

    lblOpis = new QLabel(opis, this);
    lblOpis->setFont(ui::sansFont(9.75, true));
    ui::setForeground(lblOpis, wygląd::TekstWiersza);
    ui::placeTwips(lblOpis, 240, 360, 3840, 270);

    txtPole = new QLineEdit(tekst, this);
    txtPole->setFont(ui::sansFont(9.75));
    txtPole->setFrame(false);
    ui::setBackground(txtPole, 0x00FFFFFF);
    ui::setForeground(txtPole, 0x00000000);
    ui::placeTwips(txtPole, 240, 690, 3840, 300);
    txtPole->selectAll();
    txtPole->setFocus();

    const std::array<QString, 2> napisy{QStringLiteral("OK"), QStringLiteral("Anuluj")};
    const std::array<int, 2> lewe{480, 2385};
    for (int i = 0; i < 2; ++i) {
        auto *przycisk = new ui::LabelButton(napisy[i], this);
        przycisk->setFont(ui::sansFont(12));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::placeTwips(przycisk, lewe[i], 1200, 1455, 300);
        lblBut[i] = przycisk;
    }
    // Enter acts on OK, as the highlight says.
    ui::setBackground(lblBut[0], wygląd::TłoWyróżnienia);
    ui::setBackground(lblBut[1], wygląd::TłoPrzycisku);
    connect(lblBut[0], &ui::LabelButton::clicked, this, &OknoPola::Zatwierdź);
    connect(lblBut[1], &ui::LabelButton::clicked, this, &OknoPola::Anuluj);

    Label1 = wygląd::tytuł(this, tytuł);
}

// The field passes Enter and Esc on to the window.
void OknoPola::keyPressEvent(QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Return: Zatwierdź(); break;
    case ui::vk::Escape: Anuluj(); break;
    default: QDialog::keyPressEvent(event); break;
    }
}

void OknoPola::Zatwierdź()
{
    Wynik = Odpowiedź(txtPole->text());
    accept();
}

void OknoPola::Anuluj()
{
    Wynik.clear();
    reject();
}

void OknoPola::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
