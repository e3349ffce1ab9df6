#include "frmFiltr.h"

#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace oc {

namespace {

constexpr int Pól = 7;
constexpr int PoleWzorca = 5;
constexpr int PoleOK = 6;
constexpr int PoleAnuluj = 7;
constexpr int WysokośćPola = 255;

const std::array<QString, 4> NapisyPól{QStringLiteral("pliki tylko do odczytu"), QStringLiteral("pliki systemowe"),
                                       QStringLiteral("pliki ukryte"), QStringLiteral("pliki zwykłe (bez atrybutów)")};

QLabel *opis(QWidget *okno, const QString &tekst, int góra)
{
    auto *etykieta = new QLabel(tekst, okno);
    etykieta->setFont(ui::sansFont(9.75, true));
    ui::setForeground(etykieta, wygląd::TekstWiersza);
    ui::placeTwips(etykieta, 240, góra, 4320, 270);
    return etykieta;
}

} // namespace

frmFiltr::frmFiltr(const Filtr &filtr, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_filtr(filtr)
{
    setObjectName(QStringLiteral("frmFiltr"));
    const QString tytuł = QStringLiteral("Filtr plików");
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    ui::resizeTwips(this, 4800, 3180);
    Shape1 = wygląd::ramki(this);

    lblPokaż = opis(this, QStringLiteral("Pokazuj:"), 360);
    for (int i = 0; i < 4; ++i) {
        auto *pole = new ui::LabelButton(this);
        pole->setFont(ui::sansFont(9.75));
        ui::placeTwips(pole, 360, 660 + WysokośćPola * i, 4080, WysokośćPola);
        connect(pole, &ui::LabelButton::clicked, this, [this, i] {
            Przejdź(i + 1);
            Przełącz(i);
        });
        chkPokaż[i] = pole;
        Opisz(i);
    }

    lblWzorzec = opis(this, QStringLiteral("Wzorzec nazw plików:"), 1740);
    txtWzorzec = new QLineEdit(m_filtr.Wzorzec, this);
    txtWzorzec->setFont(ui::sansFont(9.75));
    txtWzorzec->setFrame(false);
    ui::setBackground(txtWzorzec, 0x00FFFFFF);
    ui::setForeground(txtWzorzec, 0x00000000);
    ui::placeTwips(txtWzorzec, 240, 2040, 4320, 300);
    txtWzorzec->installEventFilter(this);

    const std::array<QString, 2> napisy{QStringLiteral("OK"), QStringLiteral("Anuluj")};
    const std::array<int, 2> lewe{600, 2745};
    for (int i = 0; i < 2; ++i) {
        auto *przycisk = new ui::LabelButton(napisy[i], this);
        przycisk->setFont(ui::sansFont(12));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::placeTwips(przycisk, lewe[i], 2580, 1455, 300);
        lblBut[i] = przycisk;
    }
    connect(lblBut[0], &ui::LabelButton::clicked, this, &frmFiltr::Zatwierdź);
    connect(lblBut[1], &ui::LabelButton::clicked, this, &frmFiltr::Anuluj);

    for (int pole = 1; pole <= Pól; ++pole)
        Maluj(pole, false);
    Przejdź(1);

    Label1 = wygląd::tytuł(this, tytuł);
}

void frmFiltr::keyPressEvent(QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Down:
    case ui::vk::Right: Przejdź(Pole % Pól + 1); break;
    case ui::vk::Up:
    case ui::vk::Left: Przejdź(Pole == 1 ? Pól : Pole - 1); break;
    case ui::vk::Space:
        if (Pole < PoleWzorca)
            Przełącz(Pole - 1);
        else if (Pole == PoleOK)
            Zatwierdź();
        else if (Pole == PoleAnuluj)
            Anuluj();
        break;
    case ui::vk::Return: Pole == PoleAnuluj ? Anuluj() : Zatwierdź(); break;
    case ui::vk::Escape: Anuluj(); break;
    default: QDialog::keyPressEvent(event); break;
    }
}

// Tab walks the seven fields, not Qt's focus chain of one line edit.
bool frmFiltr::focusNextPrevChild(bool next)
{
    Przejdź(next ? Pole % Pól + 1 : (Pole == 1 ? Pól : Pole - 1));
    return true;
}

// The field edits the line itself; Left and Right move its cursor there, so
// only Up and Down leave it.
bool frmFiltr::eventFilter(QObject *obiekt, QEvent *event)
{
    if (obiekt == txtWzorzec) {
        if (event->type() == QEvent::FocusIn && Pole != PoleWzorca)
            Przejdź(PoleWzorca);
        if (event->type() == QEvent::KeyPress) {
            const int kod = ui::virtualKey(static_cast<QKeyEvent *>(event));
            if (kod == ui::vk::Up || kod == ui::vk::Down) {
                keyPressEvent(static_cast<QKeyEvent *>(event));
                return true;
            }
        }
    }
    return QDialog::eventFilter(obiekt, event);
}

void frmFiltr::Przejdź(int pole)
{
    Maluj(Pole, false);
    Pole = pole;
    Maluj(Pole, true);
    if (Pole == PoleWzorca) {
        txtWzorzec->setFocus();
        txtWzorzec->selectAll();
    } else {
        setFocus();
    }
}

void frmFiltr::Maluj(int pole, bool fokus)
{
    QWidget *kontrolka = pole < PoleWzorca ? chkPokaż[pole - 1] : pole == PoleWzorca ? nullptr : lblBut[pole - PoleOK];
    if (!kontrolka)
        return;
    const bool przycisk = pole > PoleWzorca;
    ui::setBackground(kontrolka, fokus ? wygląd::TłoWyróżnienia : przycisk ? wygląd::TłoPrzycisku : wygląd::TłoOkna);
    ui::setForeground(kontrolka, fokus || przycisk ? wygląd::TekstWyróżnienia : wygląd::TekstWiersza);
}

void frmFiltr::Przełącz(int i)
{
    m_filtr.Pokazane[i] = !m_filtr.Pokazane[i];
    Opisz(i);
}

void frmFiltr::Opisz(int i)
{
    chkPokaż[i]->setCaption((m_filtr.Pokazane[i] ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + NapisyPól[i]);
}

void frmFiltr::Zatwierdź()
{
    m_filtr.Wzorzec = txtWzorzec->text();
    Wynik = TekstFiltru(m_filtr);
    accept();
}

void frmFiltr::Anuluj()
{
    Wynik.clear();
    reject();
}

void frmFiltr::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
