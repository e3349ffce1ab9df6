#include "frmAtrib2.h"

#include "Atrybuty.h"

#include <ui/Fonts.h>

namespace oc2 {

frmAtrib2::frmAtrib2(ZmianaAtrybutów &praca, QWidget *parent)
    : OknoAtrybutow(QStringLiteral("Atrybuty plików"), 4680, 3315, parent), m_praca(praca)
{
    setObjectName(QStringLiteral("frmAtrib2"));
    Label3 = nagłówek(QString(), 180, 420, 4320);
    Label3->setFont(oc::ui::sansFont(9.75));
    Label4 = nagłówek(QStringLiteral("  Ustaw"), 180, 720, 2100);
    Label5 = nagłówek(QStringLiteral("  Wyczyść"), 2400, 720, 2100);
    for (int kolumna = 0; kolumna < 2; ++kolumna)
        for (int i = 0; i < 4; ++i)
            dodajPole(NapisyPól[i], 300 + 2220 * kolumna, 960 + 255 * i, 1980);
    dodajPole(QStringLiteral("[ ] Uwzględnij podkatalogi"), 300, 2160, 4080);
    dodajPrzyciski(2700);
    connect(Timer1, &QTimer::timeout, this, &frmAtrib2::Timer1_Timer);

    // Progress a few times a second while the worker writes.
    m_postęp = new QTimer(this);
    m_postęp->setInterval(250);
    connect(m_postęp, &QTimer::timeout, this,
            [this] { Label3->setText(QStringLiteral("Zmieniono atrybuty plików: %1").arg(m_praca.Zapisane())); });
}

frmAtrib2::~frmAtrib2()
{
    if (m_wątek && m_wątek->isRunning()) {
        m_praca.Zatrzymaj();
        m_wątek->wait();
    }
}

void frmAtrib2::Timer1_Timer()
{
    ZacznijOdPierwszego();
    Label3->setText(QStringLiteral("Zmień atrybuty dla: %1 katalogów i dla: %2 plików")
                        .arg(m_praca.Katalogi.size())
                        .arg(m_praca.Pliki.size()));
    Timer1->stop();
}

void frmAtrib2::Ustaw()
{
    m_praca.Maska = MaskaAtrybutów({Zaznaczone(0), Zaznaczone(1), Zaznaczone(2), Zaznaczone(3)},
                                   {Zaznaczone(4), Zaznaczone(5), Zaznaczone(6), Zaznaczone(7)});
    m_praca.Podkatalogi = Zaznaczone(8);
    m_wątek.reset(QThread::create([this] { m_praca.Wykonaj(); }));
    connect(m_wątek.get(), &QThread::finished, this, &frmAtrib2::Zakończ);
    m_postęp->start();
    m_wątek->start();
}

// Whatever was written stays written, so a stopped batch counts as applied.
void frmAtrib2::Zakończ()
{
    m_wątek->wait();
    m_postęp->stop();
    ZgłośBłędy(m_praca.Błędy());
    QDialog::done(1);
}

void frmAtrib2::Anuluj()
{
    if (Pracuje()) {
        m_praca.Zatrzymaj();
        return;
    }
    QDialog::done(0);
}

void frmAtrib2::reject()
{
    Anuluj();
}

} // namespace oc2
