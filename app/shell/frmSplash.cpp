#include "frmSplash.h"

#include "PierwszeUruchomienie.h"
#include "ReadPaths.h"
#include "WczytajKolory.h"

#include <actions/PokazKomunikat.h>
#include <actions/Sloty.h>
#include <component/Wersja.h>
#include <platform/Paths.h>
#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Twips.h>
#include <window/frmMain.h>

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <memory>

namespace ui = oc::ui;

frmSplash::frmSplash() : lblWersja(new QLabel(this)), lblOpis(new QLabel(this)), Timer1(new QTimer(this))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Orvane Commander"));
    ui::resizeTwips(this, 6840, 2250);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    ui::placeTwips(lblWersja, 120, 1440, 6615, 375);
    lblWersja->setFont(ui::sansFont(13.5, true));
    ui::setForeground(lblWersja, 0x00FFFF00);
    lblWersja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWersja->setText(QStringLiteral("wersja: ") + oc::WersjaProgramu());

    ui::placeTwips(lblOpis, 120, 1920, 6615, 255);
    lblOpis->setFont(ui::sansFont(8.25, true));
    ui::setForeground(lblOpis, 0x0000FFFF);
    lblOpis->setAlignment(Qt::AlignCenter);
    lblOpis->setText(QStringLiteral("Dwupanelowy menedżer plików. Trwa uruchamianie, proszę czekać..."));

    Timer1->setProperty("Tag", QStringLiteral("0"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    const int numer = Timer1->property("Tag").toString().toInt() + 1;
    Timer1->setProperty("Tag", QString::number(numer));
    try {
        Krok(numer);
    } catch (...) {
        // No tick may run behind the message box.
        Timer1->stop();
        hide();
        PierwszeUruchomienie();
    }
}

void frmSplash::Krok(int numer)
{
    switch (numer) {
    case 1: m_katalogi = {}; break;
    case 2:
        m_katalogi = ReadPaths();
        m_ustawienia = ZapisaneUstawieniaPaneli();
        break;
    case 3:
        m_komponenty.Utwórz(komponent::Dialogi);
        QCoreApplication::processEvents();
        break;
    case 4:
        m_komponenty.Utwórz(komponent::Historia);
        QCoreApplication::processEvents();
        break;
    case 5:
        m_komponenty.Utwórz(komponent::Komunikaty);
        QCoreApplication::processEvents();
        break;
    case 6:
        m_komponenty.Utwórz(komponent::Menu);
        QCoreApplication::processEvents();
        break;
    case 7: {
        QThread::msleep(200);
        hide();
        // A scheme that cannot be read is no reason to stop: the program
        // starts in its own colours and says once what was wrong.
        QString błądKolorów;
        try {
            kolory() = WczytajKolory(oc::platform::colourSchemeFile());
        } catch (const BłądSchematuKolorów &błąd) {
            kolory() = DomyślneKolory();
            błądKolorów = błąd.message();
        }
        auto okno = std::make_unique<frmMain>(m_katalogi[0], m_katalogi[1]);
        okno->Komponenty() = std::move(m_komponenty);
        okno->UstawUstawienia(m_ustawienia);
        okno->Form_Load();
        frmMain *główne = okno.release();
        główne->show();
        Timer1->stop();
        QCoreApplication::processEvents();
        close();
        if (!błądKolorów.isEmpty())
            PokażKomunikat(*główne, QStringLiteral("Schemat kolorów"),
                           błądKolorów + QStringLiteral(". Program używa kolorów domyślnych."), 1, 0, 0);
        break;
    }
    default: break;
    }
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0.0, ui::fromBgr(0x00401000));
    gradient.setColorAt(0.55, ui::fromBgr(0x00904010));
    gradient.setColorAt(1.0, ui::fromBgr(0x00200800));
    painter.fillRect(rect(), gradient);

    painter.setPen(ui::fromBgr(0x00F0C080));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont title = ui::sansFont(26, true);
    title.setItalic(true);
    painter.setFont(title);
    const QRect band(0, ui::toPixels(150), width(), ui::toPixels(1100));
    painter.setPen(ui::fromBgr(0x00301000));
    painter.drawText(band.translated(2, 2), Qt::AlignCenter, QStringLiteral("Orvane Commander"));
    painter.setPen(ui::fromBgr(0x00FFFFFF));
    painter.drawText(band, Qt::AlignCenter, QStringLiteral("Orvane Commander"));
}
