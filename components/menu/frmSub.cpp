#include "frmSub.h"

#include "Wyglad.h"

#include <ui/Colors.h>
#include <ui/Keys.h>
#include <ui/LabelButton.h>
#include <ui/Shape.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QMouseEvent>

namespace menuoc {

namespace ui = oc::ui;

namespace {

constexpr int Ramka = 1; // pixels of the border on each side

} // namespace

frmSub::frmSub(StanMenu &stan, QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_stan(stan)
{
    setObjectName(QStringLiteral("frmSub"));
    setWindowTitle(QStringLiteral("Orvane Commander"));
    ui::setBackground(this, wygląd::Tło);

    m_stan.AktywacjaListy();
    const int liczba = int(m_stan.Pozycje.size());
    for (int i = 0; i < liczba; ++i) {
        const Pozycja &pozycja = m_stan.Pozycje[i];
        auto *tekst = wygląd::etykieta(this, pozycja.Tekst);
        auto *skrót = wygląd::etykieta(this, pozycja.Skrót);
        ui::placeTwips(tekst, 0, i * WysokośćPozycji, SzerokośćTekstu, WysokośćPozycji);
        ui::placeTwips(skrót, LewaSkrótu, i * WysokośćPozycji, SzerokośćSkrótu, WysokośćPozycji);
        for (auto *e : {tekst, skrót})
            e->move(e->x() + Ramka, e->y() + Ramka);
        lblMnu.push_back(tekst);
        lblShort.push_back(skrót);
    }
    resize(ui::toPixels(SzerokośćListy), ui::toPixels(liczba * WysokośćPozycji) + 3);
    auto *ramka = new ui::Shape(this);
    ramka->setBorderColor(wygląd::Tekst);
    ramka->setGeometry(rect());
    podświetl(m_stan.WybranaPozycja, true);
}

void frmSub::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event));
}

void frmSub::Form_KeyDown(int kod)
{
    wykonaj(m_stan.KlawiszListy(kod));
}

void frmSub::mouseReleaseEvent(QMouseEvent *event)
{
    const int pozycja = pozycjaPod(event->position().toPoint());
    if (event->button() == Qt::LeftButton && pozycja >= 0)
        wykonaj(m_stan.KlikListy(pozycja));
}

int frmSub::pozycjaPod(const QPoint &punkt) const
{
    for (int i = 0; i < int(lblMnu.size()); ++i)
        if (lblMnu[i]->geometry().contains(punkt) || lblShort[i]->geometry().contains(punkt))
            return i;
    return -1;
}

void frmSub::wykonaj(const Reakcja &r)
{
    if (r.Zgaś >= 0)
        podświetl(r.Zgaś, false);
    if (r.Zapal >= 0)
        podświetl(r.Zapal, true);
    for (int kod : r.DoSiebie)
        ui::sendKey(this, kod);
    if (r.ZamknijListę) {
        Zamknięcie = r;
        accept();
    }
}

void frmSub::podświetl(int pozycja, bool włączone)
{
    wygląd::podświetl(lblMnu[pozycja], włączone);
    wygląd::podświetl(lblShort[pozycja], włączone);
}

} // namespace menuoc
