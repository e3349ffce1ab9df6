#include "frmDelAll.h"

#include "Pytanie.h"

#include <ui/Colors.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QThread>

namespace ocdelete {

namespace ui = oc::ui;

frmDelAll::frmDelAll(Wsad &wsad, QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), Silnik(wsad)
{
    setObjectName(QStringLiteral("frmDelAll"));
    setWindowTitle(QStringLiteral("Usuń"));
    ui::setBackground(this, pytanie::TłoOkna);
    ui::resizeTwips(this, 3375, 1530);
    for (ui::Shape *&ramka : Shape1)
        ramka = new ui::Shape(this);

    Label2 = pytanie::napis(this, 240, 330, 2895, false);
    Label3 = pytanie::napis(this, 240, 600, 2895, true);
    lblBut = pytanie::przyciski(this, 1035, 360, 1800);
    for (int i = 0; i < 2; ++i)
        connect(lblBut[i], &ui::LabelButton::clicked, this, [this, i] { lblBut_Click(i); });
    Label1 = pytanie::tytuł(this, QStringLiteral("Usuń"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frmDelAll::Timer1_Timer);
}

frmDelAll::~frmDelAll()
{
    if (m_wątek) {
        Silnik.zatrzymaj();
        m_wątek->wait();
    }
}

void frmDelAll::Timer1_Timer()
{
    Przycisk = 0;
    pytanie::pomaluj(lblBut, Przycisk);
    Label2->setText(QStringLiteral("Czy zamierzasz usunąć:"));
    Label3->setText(QStringLiteral("%1 katalogów i %2 plików ?").arg(Silnik.Katalogi.size()).arg(Silnik.Pliki.size()));
    Timer1->stop();
}

void frmDelAll::UstawTryb(pytanie::Tryb tryb)
{
    Tryb = tryb;
    pytanie::ustawTryb(this, Label1, QStringLiteral("Usuń"), lblBut, 870, tryb);
}

void frmDelAll::keyPressEvent(QKeyEvent *event)
{
    const int kod = ui::virtualKey(event);
    if (m_wątek) {
        if (kod == ui::vk::Escape)
            Silnik.zatrzymaj();
        return;
    }
    const std::optional<int> naciśnięty = pytanie::klawisz(kod, Przycisk);
    pytanie::pomaluj(lblBut, Przycisk);
    if (naciśnięty)
        lblBut_Click(*naciśnięty);
}

void frmDelAll::lblBut_Click(int przycisk)
{
    if (m_wątek)
        return;
    if (przycisk == 1) {
        done(0);
        return;
    }
    Label2->setText(QStringLiteral("Proszę czekać ..."));
    Label3->clear();
    BłędyUsuwania = false;
    m_wątek.reset(QThread::create([this] { Silnik.Wykonaj(); }));
    connect(m_wątek.get(), &QThread::finished, this, &frmDelAll::Zakończ);
    m_wątek->start();
}

void frmDelAll::Zakończ()
{
    m_wątek->wait();
    BłędyUsuwania = !Silnik.Błędy().empty();
    if (BłędyUsuwania)
        ui::showFailures(this, QStringLiteral("Błąd"),
                         Silnik.DoKosza ? QStringLiteral("Wystąpiły błędy podczas przenoszenia do kosza")
                                        : QStringLiteral("Wystąpiły błędy podczas usuwania plików/katalogów"),
                         Silnik.Błędy(), pytanie::Błędy);
    done(1);
}

void frmDelAll::reject()
{
    if (m_wątek)
        Silnik.zatrzymaj();
    else
        QDialog::reject();
}

void frmDelAll::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    pytanie::dopasuj(this, Label1, Shape1);
}

} // namespace ocdelete
