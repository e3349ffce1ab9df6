#include "frmZegar.h"

#include "WygladOkna.h"
#include "Zegar.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QDateTime>
#include <QKeyEvent>

namespace oc {

frmZegar::frmZegar(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmZegar"));
    const QString tytuł = QStringLiteral("Zegar");
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    ui::resizeTwips(this, 3600, 1680);
    Shape1 = wygląd::ramki(this);

    lblCzas = new QLabel(this);
    lblCzas->setFont(ui::sansFont(24, true));
    lblCzas->setAlignment(Qt::AlignCenter);
    ui::setBackground(lblCzas, 0x00000000);
    ui::setForeground(lblCzas, 0x0000FF00);
    ui::placeTwips(lblCzas, 240, 360, 3120, 660);

    lblData = new QLabel(this);
    lblData->setFont(ui::sansFont(9.75, true));
    lblData->setAlignment(Qt::AlignCenter);
    ui::setForeground(lblData, wygląd::TekstWiersza);
    ui::placeTwips(lblData, 240, 1140, 3120, 300);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmZegar::Timer1_Timer);
    Timer1->start();

    Label1 = wygląd::tytuł(this, tytuł);
    Timer1_Timer();
}

void frmZegar::Timer1_Timer()
{
    const QDateTime teraz = QDateTime::currentDateTime();
    lblCzas->setText(TekstCzasu(teraz.time()));
    lblData->setText(TekstDaty(teraz.date()));
}

void frmZegar::keyPressEvent(QKeyEvent *event)
{
    wygląd::zamknijKlawiszem(this, event);
}

void frmZegar::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
