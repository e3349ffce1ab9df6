#include "Falrow.h"

#include "Falrow2.h"
#include "Oprawa.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/LabelButton.h>
#include <ui/Twips.h>

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace ocfalrow {

namespace ui = oc::ui;

namespace {

constexpr quint32 Tło = 0x00C0C0C0;
constexpr quint32 Czarny = 0x00000000;
constexpr int Bok = 240;
constexpr int LewaStudni = 2520;
constexpr int GóraDna = 6120;
constexpr int GóraStudni = GóraDna - (Gra::Wiersze - 1) * Bok;
constexpr int LewaPodglądu = 360;
constexpr int GóraPodglądu = 960;
constexpr int KlawiszP = 80;

QFrame *kratka(QWidget *okno, int lewa, int góra, quint32 kolor)
{
    auto *kratka = new QFrame(okno);
    kratka->setFrameStyle(QFrame::Box | QFrame::Plain);
    ui::setBackground(kratka, kolor);
    ui::setForeground(kratka, Tło);
    ui::placeTwips(kratka, lewa, góra, Bok, Bok);
    return kratka;
}

QLabel *etykieta(QWidget *okno, const QString &tekst, double punkty, int lewa, int góra, int szerokość, int wysokość)
{
    auto *etykieta = new QLabel(tekst, okno);
    etykieta->setFont(ui::sansFont(punkty, true));
    ui::setForeground(etykieta, Czarny);
    ui::placeTwips(etykieta, lewa, góra, szerokość, wysokość);
    return etykieta;
}

} // namespace

Falrow::Falrow(int szybkość, Gra::Losowanie losowanie)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), Stan(std::move(losowanie))
{
    setObjectName(QStringLiteral("Falrow"));
    setWindowTitle(QStringLiteral("Falrow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    ui::setBackground(this, Tło);
    ui::resizeTwips(this, LewaStudni + Gra::Kolumny * Bok + 360, GóraDna + Bok + 360);

    Label4 = etykieta(this, QStringLiteral("Następny:"), 9.75, LewaPodglądu, GóraPodglądu - 330, 1920, 270);
    for (int i = 0; i < int(Shape3.size()); ++i)
        Shape3[i] = kratka(this, LewaPodglądu + i % 4 * Bok, GóraPodglądu + i / 4 * Bok, Gra::PustyPodgląd);
    Label2 = etykieta(this, QStringLiteral("Punkty:"), 9.75, LewaPodglądu, 2040, 1920, 270);
    Label3 = etykieta(this, QStringLiteral("0"), 12, LewaPodglądu, 2340, 1920, 330);

    for (int wiersz = 1; wiersz <= Gra::Wiersze; ++wiersz)
        for (int kolumna = 1; kolumna <= Gra::Kolumny; ++kolumna)
            Shape1[Gra::coor(kolumna, wiersz)]
                = kratka(this, LewaStudni + (kolumna - 1) * Bok, GóraDna - (wiersz - 1) * Bok, Gra::Pusta);

    Label5 = new QLabel(this);
    ui::setBackground(Label5, Tło);
    ui::placeTwips(Label5, LewaStudni, GóraStudni, Gra::Kolumny * Bok, Gra::Wiersze * Bok);
    Label5->hide();
    Label6 = etykieta(this, QStringLiteral("PAUZA"), 14, LewaStudni, 3000, Gra::Kolumny * Bok, 480);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->hide();

    cmdB = new ui::LabelButton(QStringLiteral("Koniec gry"), this);
    cmdB->setFont(ui::sansFont(12));
    cmdB->setAlignment(Qt::AlignCenter);
    ui::setBackground(cmdB, 0x0080FFFF);
    ui::placeTwips(cmdB, LewaPodglądu, GóraDna + Bok - 300, 1680, 300);
    connect(cmdB, &ui::LabelButton::clicked, this, &Falrow::Gameover);

    Label1 = oprawa(this);
    Pokaż();

    Timer1 = new QTimer(this);
    Timer1->setInterval(szybkość);
    connect(Timer1, &QTimer::timeout, this, &Falrow::Timer1_Timer);
    Timer1->start();
}

void Falrow::Timer1_Timer()
{
    if (!Stan.Tick()) {
        Gameover();
        return;
    }
    Pokaż();
    Label3->setText(QString::number(Stan.Wynik));
    if (Stan.UsunięteWiersze > 0)
        activateWindow();
}

void Falrow::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event));
}

void Falrow::Form_KeyDown(int kod)
{
    switch (kod) {
    case KlawiszP: Pauza(); return;
    case ui::vk::Escape:
    case ui::vk::F10: Gameover(); return;
    default: break;
    }
    // Under the cover the piece stays where it was left.
    if (!Timer1->isActive())
        return;
    switch (kod) {
    case ui::vk::Up: Stan.Rotera(); break;
    case ui::vk::Left: Stan.Przesuń(-1); break;
    case ui::vk::Right: Stan.Przesuń(1); break;
    case ui::vk::Down: Stan.Zrzuć(); break;
    default: return;
    }
    Pokaż();
}

void Falrow::Pauza()
{
    const bool pauza = Timer1->isActive();
    if (pauza)
        Timer1->stop();
    else
        Timer1->start();
    Label5->setVisible(pauza);
    Label6->setVisible(pauza);
    Label5->raise();
    Label6->raise();
}

void Falrow::Gameover()
{
    Timer1->stop();
    close();
    auto *start = new Falrow2;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
}

void Falrow::Pokaż()
{
    for (int i : Stan.Kolory.Zmienione())
        ui::setBackground(Shape1[i], Stan.Kolory[i]);
    for (int i : Stan.Podgląd.Zmienione())
        ui::setBackground(Shape3[i], Stan.Podgląd[i]);
}

} // namespace ocfalrow
