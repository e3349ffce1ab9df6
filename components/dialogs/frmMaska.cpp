#include "frmMaska.h"

#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace oc {

frmMaska::frmMaska(int tryb, QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmMaska"));
    const QString tytuł = tryb == 2 ? QStringLiteral("Odznacz pliki") : QStringLiteral("Zaznacz pliki");
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    ui::resizeTwips(this, 4320, 1740);
    Shape1 = wygląd::ramki(this);

    lblOpis = new QLabel(tryb == 2 ? QStringLiteral("Odznacz pliki pasujące do wzorca:")
                                   : QStringLiteral("Zaznacz pliki pasujące do wzorca:"),
                         this);
    lblOpis->setFont(ui::sansFont(9.75, true));
    ui::setForeground(lblOpis, wygląd::TekstWiersza);
    ui::placeTwips(lblOpis, 240, 360, 3840, 270);

    txtMaska = new QLineEdit(QStringLiteral("*.*"), this);
    txtMaska->setFont(ui::sansFont(9.75));
    txtMaska->setFrame(false);
    ui::setBackground(txtMaska, 0x00FFFFFF);
    ui::setForeground(txtMaska, 0x00000000);
    ui::placeTwips(txtMaska, 240, 690, 3840, 300);
    txtMaska->selectAll();
    txtMaska->setFocus();

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
    connect(lblBut[0], &ui::LabelButton::clicked, this, &frmMaska::Zatwierdź);
    connect(lblBut[1], &ui::LabelButton::clicked, this, &frmMaska::Anuluj);

    Label1 = wygląd::tytuł(this, tytuł);
}

// The field passes Enter and Esc on to the window.
void frmMaska::keyPressEvent(QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Return: Zatwierdź(); break;
    case ui::vk::Escape: Anuluj(); break;
    default: QDialog::keyPressEvent(event); break;
    }
}

void frmMaska::Zatwierdź()
{
    Wynik = txtMaska->text();
    accept();
}

void frmMaska::Anuluj()
{
    Wynik.clear();
    reject();
}

void frmMaska::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
