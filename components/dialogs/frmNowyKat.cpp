#include "frmNowyKat.h"

#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace oc {

frmNowyKat::frmNowyKat(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmNowyKat"));
    const QString tytuł = QStringLiteral("Nowy katalog");
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    ui::resizeTwips(this, 4320, 1740);
    Shape1 = wygląd::ramki(this);

    lblOpis = new QLabel(QStringLiteral("Nazwa nowego katalogu:"), this);
    lblOpis->setFont(ui::sansFont(9.75, true));
    ui::setForeground(lblOpis, wygląd::TekstWiersza);
    ui::placeTwips(lblOpis, 240, 360, 3840, 270);

    txtNazwa = new QLineEdit(this);
    txtNazwa->setFont(ui::sansFont(9.75));
    txtNazwa->setFrame(false);
    ui::setBackground(txtNazwa, 0x00FFFFFF);
    ui::setForeground(txtNazwa, 0x00000000);
    ui::placeTwips(txtNazwa, 240, 690, 3840, 300);
    txtNazwa->setFocus();

    const std::array<QString, 2> napisy{QStringLiteral("OK"), QStringLiteral("Anuluj")};
    const std::array<int, 2> lewe{480, 2385};
    for (int i = 0; i < 2; ++i) {
        auto *przycisk = new ui::LabelButton(napisy[i], this);
        przycisk->setFont(ui::sansFont(12));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::placeTwips(przycisk, lewe[i], 1200, 1455, 300);
        lblBut[i] = przycisk;
    }
    ui::setBackground(lblBut[0], wygląd::TłoWyróżnienia);
    ui::setBackground(lblBut[1], wygląd::TłoPrzycisku);
    connect(lblBut[0], &ui::LabelButton::clicked, this, &frmNowyKat::Zatwierdź);
    connect(lblBut[1], &ui::LabelButton::clicked, this, &frmNowyKat::Anuluj);

    Label1 = wygląd::tytuł(this, tytuł);
}

void frmNowyKat::keyPressEvent(QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Return: Zatwierdź(); break;
    case ui::vk::Escape: Anuluj(); break;
    default: QDialog::keyPressEvent(event); break;
    }
}

// Blanks around a name are a slip of the keyboard, and a name of blanks alone
// would make a directory that looks like none.
void frmNowyKat::Zatwierdź()
{
    Wynik = txtNazwa->text().trimmed();
    accept();
}

void frmNowyKat::Anuluj()
{
    Wynik.clear();
    reject();
}

void frmNowyKat::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
