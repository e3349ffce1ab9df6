#include "frmMain.h"

#include "Wyglad.h"
#include "frmSub.h"

#include <ui/Colors.h>
#include <ui/Keys.h>
#include <ui/LabelButton.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace menuoc {

namespace ui = oc::ui;

namespace {

// Where Main shows the bar.
constexpr int ProjektLewa = 0;
constexpr int ProjektGóra = 0;
constexpr int ProjektSzerokość = 9600;

constexpr int GóraWpisu = (WysokośćPaska - WysokośćWpisu) / 2;

} // namespace

frmMain::frmMain(StanMenu &stan, QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_stan(stan)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Menu OC"));
    ui::setBackground(this, wygląd::Tło);
    ui::placeTwips(this, ProjektLewa, ProjektGóra, ProjektSzerokość, WysokośćPaska);

    for (int i = 0; i < LiczbaWpisów; ++i) {
        const WpisPaska &wpis = WpisyPaska()[i];
        lblMnu[i] = wygląd::etykieta(this, wpis.Tekst);
        ui::placeTwips(lblMnu[i], LewaWpisu(i, ProjektSzerokość), GóraWpisu, wpis.Szerokość, WysokośćWpisu);
    }
    lblMnu[0]->setAlignment(Qt::AlignCenter);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
}

void frmMain::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmMain::Form_Activate()
{
    wykonaj(m_stan.AktywacjaPaska());
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int ostatni = LiczbaWpisów - 1;
    ui::moveTwips(lblMnu[ostatni], LewaWpisu(ostatni, ui::widthTwips(this)), GóraWpisu);
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event));
}

void frmMain::Form_KeyDown(int kod)
{
    wykonaj(m_stan.KlawiszPaska(kod));
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    m_poDwukliku = false;
    QDialog::mousePressEvent(event);
}

void frmMain::mouseReleaseEvent(QMouseEvent *event)
{
    const int wpis = wpisPod(event->position().toPoint());
    if (event->button() == Qt::LeftButton && wpis >= 0 && !m_poDwukliku)
        wykonaj(m_stan.KlikPaska(wpis));
    m_poDwukliku = false;
}

void frmMain::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int wpis = wpisPod(event->position().toPoint());
    if (event->button() != Qt::LeftButton || wpis < 0)
        return;
    m_poDwukliku = true;
    wykonaj(m_stan.DwuklikPaska(wpis));
}

int frmMain::wpisPod(const QPoint &punkt) const
{
    for (int i = 0; i < LiczbaWpisów; ++i)
        if (lblMnu[i]->geometry().contains(punkt))
            return i;
    return -1;
}

void frmMain::wykonaj(const Reakcja &r)
{
    if (r.Zgaś >= 0)
        wygląd::podświetl(lblMnu[r.Zgaś], false);
    if (r.Zapal >= 0)
        wygląd::podświetl(lblMnu[r.Zapal], true);
    if (r.ZamknijListę && Lista)
        Lista->reject();
    if (r.ZamknijPasek) {
        Timer1->stop();
        reject();
        return;
    }
    for (int kod : r.DoSiebie)
        ui::sendKey(this, kod);
    if (r.OtwórzListę)
        OtwórzListę();
}

void frmMain::OtwórzListę()
{
    if (Lista)
        Lista->reject();
    const int wpis = m_stan.WybraneMenu;
    const QRect ekran = screen()->geometry();
    const int lewa = LewaListy(LewaWpisu(wpis, ui::widthTwips(this)), WpisyPaska()[wpis].Szerokość, ui::leftTwips(this),
                               ui::toTwips(ekran.x() + ekran.width()));

    frmSub lista(m_stan, this);
    ui::moveTwips(&lista, lewa, ui::topTwips(this) + ui::heightTwips(this));
    Lista = &lista;
    lista.exec();
    Lista = nullptr;

    const Reakcja &zamknięcie = lista.Zamknięcie;
    if (zamknięcie.Wybrano)
        Timer1->start();
    for (int kod : zamknięcie.DoPaska)
        ui::sendKey(this, kod);
}

void frmMain::Timer1_Timer()
{
    accept();
}

void frmMain::reject()
{
    m_stan.ZamknięciePaska();
    QDialog::reject();
}

} // namespace menuoc
