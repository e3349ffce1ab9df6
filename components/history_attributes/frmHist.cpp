#include "frmHist.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <algorithm>

namespace oc2 {

namespace ui = oc::ui;

namespace {

constexpr quint32 Szary = 0x00808080;
constexpr quint32 Czarny = 0x00000000;
constexpr quint32 Biały = 0x00FFFFFF;
constexpr int Szerokość = 3510;
constexpr int WysokośćWiersza = 240;

int góraWiersza(int wiersz)
{
    return 360 + WysokośćWiersza * wiersz;
}

} // namespace

frmHist::frmHist(QString &wybranaKomenda, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_wybranaKomenda(wybranaKomenda)
{
    setWindowTitle(QStringLiteral("Historia"));
    ui::setBackground(this, Szary);
    ui::resizeTwips(this, Szerokość, góraWiersza(LiczbaWierszy) + 120);

    for (ui::Shape *&shape : Shape1)
        shape = new ui::Shape(this);

    for (int i = 0; i < LiczbaWierszy; ++i) {
        QLabel *wiersz = new QLabel(this);
        wiersz->setTextFormat(Qt::PlainText);
        wiersz->setFont(ui::sansFont(9.75));
        ui::placeTwips(wiersz, 120, góraWiersza(i), 3280, WysokośćWiersza);
        ui::setBackground(wiersz, Szary);
        lblPoz[i] = wiersz;
    }

    Label1 = new QLabel(QStringLiteral("Historia"), this);
    Label1->setFont(ui::sansFont(9.75, true));
    Label1->setAlignment(Qt::AlignCenter);
    ui::setBackground(Label1, Szary);
    ui::setForeground(Label1, Biały);
    Label1->adjustSize();
    ui::moveTwips(Label1, 0, 90);
    ui::makeTitleDrag(Label1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frmHist::Timer1_Timer);
}

void frmHist::ClearList()
{
    List1.clear();
    for (QLabel *wiersz : lblPoz)
        wiersz->clear();
}

void frmHist::Timer1_Timer()
{
    Wiersz = 0;
    ui::setBackground(lblPoz[0], Czarny);
    ui::setForeground(lblPoz[0], Biały);
    for (int i = 1; i < LiczbaWierszy; ++i)
        ui::setBackground(lblPoz[i], Szary);
    // Rows exist for sixteen lines only; the caller never hands more.
    const int wypełnione = int(std::min<qsizetype>(List1.size(), LiczbaWierszy));
    for (int i = 0; i < wypełnione; ++i)
        lblPoz[i]->setText(List1.at(i));
    const int ostatni = std::max(wypełnione - 1, 0);
    ui::resizeTwips(this, ui::widthTwips(this), ui::heightTwips(lblPoz[0]) + ui::topTwips(lblPoz[ostatni]) + 120);
    show();
    Timer1->stop();
}

void frmHist::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event));
}

void frmHist::Form_KeyDown(int kod)
{
    switch (kod) {
    case ui::vk::Return:
        m_wybranaKomenda = lblPoz[Wiersz]->text();
        accept();
        break;
    case ui::vk::Escape:
    case ui::vk::F10:
        m_wybranaKomenda.clear();
        reject();
        break;
    case ui::vk::Up:
        Zgaś(Wiersz);
        Wiersz = std::max(Wiersz - 1, 0);
        Podświetl(Wiersz);
        break;
    case ui::vk::Down:
        Zgaś(Wiersz);
        Wiersz = std::min(Wiersz + 1, LiczbaWierszy - 1);
        if (lblPoz[Wiersz]->text().isEmpty())
            --Wiersz;
        Podświetl(Wiersz);
        break;
    default: break;
    }
}

void frmHist::Podświetl(int wiersz)
{
    ui::setBackground(lblPoz[wiersz], Czarny);
    ui::setForeground(lblPoz[wiersz], Biały);
}

void frmHist::Zgaś(int wiersz)
{
    ui::setBackground(lblPoz[wiersz], Szary);
    ui::setForeground(lblPoz[wiersz], Biały);
}

void frmHist::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Label1->move((width() - Label1->width()) / 2, Label1->y());
    ui::fitFrames(Shape1[0], Shape1[1]);
}

} // namespace oc2
