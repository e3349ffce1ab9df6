#include "frmDelAll.h"

#include "Komunikat.h"
#include "Pytanie.h"

#include <ui/Colors.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QThread>

namespace ocdelete {

namespace ui = oc::ui;

frmDelAll::frmDelAll(qint32 &wynik, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_wynik(wynik)
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

void frmDelAll::ClearLists()
{
    lstDirs.clear();
    lstFiles.clear();
    Silnik.lstDiry.clear();
    Silnik.lstWynik.clear();
}

void frmDelAll::Timer1_Timer()
{
    Przycisk = 0;
    pytanie::pomaluj(lblBut, Przycisk);
    Label2->setText(QStringLiteral("Czy zamierzasz usunąć:"));
    Label3->setText(QStringLiteral("%1 katalogów i %2 plików ?").arg(lstDirs.size()).arg(lstFiles.size()));
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
        if (kod == ui::vk::Escape) {
            Silnik.zatrzymaj();
            SilnikKosza.zatrzymaj();
        }
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
    m_wynik = 0;
    if (przycisk == 1) {
        accept();
        return;
    }
    Label2->setText(QStringLiteral("Proszę czekać ..."));
    Label3->clear();
    BłędyUsuwania = false;
    if (Tryb == pytanie::Tryb::Kosz)
        m_wątek.reset(QThread::create([this, wszystkie = lstDirs + lstFiles] { SilnikKosza.doKosza(wszystkie); }));
    else
        m_wątek.reset(QThread::create([this, pliki = lstFiles, katalogi = lstDirs] { Silnik.usuń(pliki, katalogi); }));
    connect(m_wątek.get(), &QThread::finished, this, &frmDelAll::Zakończ);
    m_wątek->start();
}

void frmDelAll::Zakończ()
{
    m_wątek->wait();
    lstDirs.clear();
    lstFiles.clear();
    BłędyUsuwania = !Silnik.Błędy.empty() || !SilnikKosza.Błędy.empty();
    if (!Silnik.Błędy.empty())
        pokażBłąd(this, QStringLiteral("Wystąpiły błędy podczas usuwania plików/katalogów"), Silnik.Błędy);
    if (!SilnikKosza.Błędy.empty())
        pokażBłąd(this, QStringLiteral("Wystąpiły błędy podczas przenoszenia do kosza"), SilnikKosza.Błędy);
    m_wynik = 1;
    accept();
}

void frmDelAll::reject()
{
    if (m_wątek) {
        Silnik.zatrzymaj();
        SilnikKosza.zatrzymaj();
    } else
        QDialog::reject();
}

void frmDelAll::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    pytanie::dopasuj(this, Label1, Shape1);
}

} // namespace ocdelete
