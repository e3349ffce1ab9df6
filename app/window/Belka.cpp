#include "frmMain.h"

#include <actions/PokazKomunikat.h>
#include <actions/PytaniaOkna.h>
#include <ui/Colors.h>
#include <ui/ProgramIcon.h>
#include <ui/Twips.h>

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPainter>

using namespace oc;

namespace {

// The pictures of the title-bar buttons, 16 x 14 pixels: 0 roll up, 1 roll
// down, 2 maximise, 3 restore, 4 minimise, 5 close.
QPixmap imgSt(int numer)
{
    QPixmap obraz(16, 14);
    obraz.fill(QColor(192, 192, 192));
    QPainter painter(&obraz);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    switch (numer) {
    case 0: painter.drawPolygon(QPolygon({QPoint(4, 9), QPoint(12, 9), QPoint(8, 4)})); break;
    case 1: painter.drawPolygon(QPolygon({QPoint(4, 5), QPoint(12, 5), QPoint(8, 10)})); break;
    case 2:
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(3, 2, 9, 9);
        painter.drawLine(3, 3, 12, 3);
        break;
    case 3:
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(5, 2, 7, 6);
        painter.drawRect(3, 5, 7, 6);
        break;
    case 4: painter.drawRect(4, 10, 7, 1); break;
    default:
        painter.drawLine(4, 3, 11, 10);
        painter.drawLine(11, 3, 4, 10);
        painter.drawLine(5, 3, 12, 10);
        painter.drawLine(12, 3, 5, 10);
        break;
    }
    return obraz;
}

} // namespace

qint32 UstawNaWierzchu(QWidget *okno, bool on)
{
    const bool widoczne = okno->isVisible();
    okno->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing the flag hides the window; it comes back without taking the focus.
    if (widoczne) {
        okno->setAttribute(Qt::WA_ShowWithoutActivating);
        okno->show();
        okno->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    return on ? 0 : 1;
}

void frmMain::UtwórzBelkę()
{
    static const char *const podpowiedzi[4] = {"Minimalizuj", "Zamknij", "Zwiń do paska", "Maksymalizuj"};
    static const int obrazy[4] = {4, 5, 0, 2};
    for (int i = 0; i < 4; ++i) {
        cmdB[size_t(i)] = new ui::LabelButton(this);
        cmdB[size_t(i)]->setAlignment(Qt::AlignCenter);
        cmdB[size_t(i)]->setPixmap(imgSt(obrazy[i]));
        cmdB[size_t(i)]->setToolTip(QString::fromUtf8(podpowiedzi[i]));
        ui::setBackground(cmdB[size_t(i)], 0x00C0C0C0);
        ui::placeTwips(cmdB[size_t(i)], 0, 15, 240, 210);
        connect(cmdB[size_t(i)], &ui::LabelButton::clicked, this, [this, i] { cmdB_Click(i); });
    }
    imgRogu = new ui::LabelButton(this);
    ui::placeTwips(imgRogu, 20, 20, 240, 240);
    imgRogu->setPixmap(ui::programIcon(imgRogu->height()));
    connect(imgRogu, &ui::LabelButton::pressed, this, [this](Qt::MouseButton) { imgRogu_MouseDown(); });
    Label1->installEventFilter(this);

    mnuPop1 = new QMenu(QStringLiteral("&Popup1"), this);
    static const char *const pozycje[5] = {"&Przywróć", "Prz&enieś", "&Rozmiar", "Mi&nimalizuj", "Zwiń do paska"};
    for (int i = 0; i < 5; ++i) {
        p[size_t(i)] = mnuPop1->addAction(QString::fromUtf8(pozycje[i]));
        p[size_t(i)]->setData(i + 1);
    }
    p[0]->setEnabled(false);
    p[2]->setEnabled(false);
    mnuPop1->addSeparator();
    zam = mnuPop1->addAction(QStringLiteral("Zam&knij         Alt+F4"));
    zam->setData(99);
    mnuPop1->setDefaultAction(zam);
    mnuPop1->addSeparator();
    mnuTop = mnuPop1->addAction(QStringLiteral("&Zawsze na wierzchu"));
    mnuTop->setCheckable(true);
    mnuTop->setData(98);
    connect(mnuPop1, &QMenu::triggered, this, [this](QAction *action) { m_wybórMenu = action->data().toInt(); });
}

void frmMain::Zwijanka()
{
    // The flag goes first: the resize it asks for is laid out by it.
    if (m_zwinięte) {
        m_zwinięte = false;
        ui::resizeTwips(this, ui::widthTwips(this), m_zapisanaWysokość);
        cmdB[2]->setPixmap(imgSt(0));
        UstawNaWierzchu(this, mnuTop->isChecked());
        cmdB[2]->setToolTip(QStringLiteral("Zwiń do paska"));
    } else {
        m_zapisanaWysokość = ui::heightTwips(this);
        m_zwinięte = true;
        ui::resizeTwips(this, ui::widthTwips(this), WysokośćZwinięta);
        cmdB[2]->setToolTip(QStringLiteral("Rozwiń z paska"));
        cmdB[2]->setPixmap(imgSt(1));
        UstawNaWierzchu(this, mnuTop->isChecked());
    }
}

void frmMain::Maxymalizacja()
{
    if (m_zmaksymalizowane) {
        m_zmaksymalizowane = false;
        showNormal();
        cmdB[3]->setPixmap(imgSt(2));
        cmdB[3]->setToolTip(QStringLiteral("Maksymalizuj"));
    } else {
        m_zmaksymalizowane = true;
        showMaximized();
        cmdB[3]->setToolTip(QStringLiteral("Przywróć"));
        cmdB[3]->setPixmap(imgSt(3));
    }
}

void frmMain::cmdB_Click(int index)
{
    switch (index) {
    case 0: showMinimized(); break;
    case 1: close(); break;
    case 2: Zwijanka(); break;
    case 3: Maxymalizacja(); break;
    default: break;
    }
}

void frmMain::imgRogu_MouseDown()
{
    m_wybórMenu = 0;
    p[4]->setText(Zwinięte() ? QStringLiteral("Rozwiń z paska") : QStringLiteral("Zwiń do paska"));
    mnuPop1->exec(mapToGlobal(QPoint(5, Label1->height() - 3)));
    switch (m_wybórMenu) {
    case 2:
        PokażKomunikat(*this, QStringLiteral("Przenieś"),
                       QStringLiteral("Aby przenieść okno, należy kliknąć w jasko-niebieski pasek z napisem "
                                      "\"Orvane Commander\" i cały czas trzymając lewy przycisk myszy ruszyć gdzieś "
                                      "mysz. Jeśli spodoba Ci się nowa pozycja okna, to puść lewy przycisk myszy"),
                       2, 0, 0);
        break;
    case 4: showMinimized(); break;
    case 5: cmdB_Click(2); break;
    case 99: close(); break;
    case 98: UstawNaWierzchu(this, mnuTop->isChecked()); break;
    default: break;
    }
}

void frmMain::Zegar_Click()
{
    PokażZegar(*this);
}
