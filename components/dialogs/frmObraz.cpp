#include "frmObraz.h"

#include "Obraz.h"
#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

namespace oc {

namespace {

constexpr int Margines = 120;
constexpr int Góra = 300;
constexpr int SzerokośćKomunikatu = 4800;

QRect ekranPrzy(const QPoint &punkt)
{
    const QScreen *ekran = QGuiApplication::screenAt(punkt);
    if (!ekran)
        ekran = QGuiApplication::primaryScreen();
    return ekran ? ekran->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

frmObraz::frmObraz(const QString &plik, double x, double y, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmObraz"));
    const QString tytuł = plik.section(u'/', -1);
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    Shape1 = wygląd::ramki(this);

    const QPoint róg(ui::toPixels(x), ui::toPixels(y));
    const QRect ekran = ekranPrzy(róg);
    const QSize ramka(ui::toPixels(2 * Margines), ui::toPixels(Góra + Margines));
    const Obraz obraz = CzytajObraz(plik, ekran.size() - ramka);

    QSize wnętrze;
    if (obraz.komunikat.isEmpty()) {
        imgObraz = new QLabel(this);
        // A click on the picture is a click on the window: it closes it.
        imgObraz->setAttribute(Qt::WA_TransparentForMouseEvents);
        imgObraz->setToolTip(QStringLiteral("%1 × %2").arg(obraz.rozmiar.width()).arg(obraz.rozmiar.height()));
        if (obraz.animacja) {
            Animacja = new QMovie(plik, {}, this);
            Animacja->setScaledSize(obraz.obraz.size());
            imgObraz->setMovie(Animacja);
            Animacja->start();
        } else {
            imgObraz->setPixmap(QPixmap::fromImage(obraz.obraz));
        }
        wnętrze = obraz.obraz.size();
        imgObraz->setGeometry(ui::toPixels(Margines), ui::toPixels(Góra), wnętrze.width(), wnętrze.height());
    } else {
        lblKomunikat = new QLabel(obraz.komunikat, this);
        lblKomunikat->setTextFormat(Qt::PlainText);
        lblKomunikat->setWordWrap(true);
        lblKomunikat->setFont(ui::sansFont(9.75, true));
        ui::setForeground(lblKomunikat, wygląd::TekstWiersza);
        const int szerokość = ui::toPixels(SzerokośćKomunikatu - 2 * Margines);
        wnętrze = QSize(szerokość, lblKomunikat->heightForWidth(szerokość) + ui::toPixels(Margines));
        lblKomunikat->setGeometry(ui::toPixels(2 * Margines), ui::toPixels(Góra + Margines), szerokość,
                                  wnętrze.height());
        wnętrze.rwidth() += ui::toPixels(2 * Margines);
    }

    Label1 = wygląd::tytuł(this, tytuł);
    // The title must fit on the top edge.
    const int szerokość = std::max(wnętrze.width() + ramka.width(), Label1->width() + ui::toPixels(4 * Margines));
    resize(szerokość, wnętrze.height() + ramka.height());
    if (imgObraz)
        imgObraz->move((width() - imgObraz->width()) / 2, imgObraz->y());
    // The corner asked for, unless that would put part of the window off the screen.
    move(std::clamp(róg.x(), ekran.left(), std::max(ekran.left(), ekran.right() + 1 - width())),
         std::clamp(róg.y(), ekran.top(), std::max(ekran.top(), ekran.bottom() + 1 - height())));
}

void frmObraz::keyPressEvent(QKeyEvent *event)
{
    wygląd::zamknijKlawiszem(this, event);
}

void frmObraz::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    // The title passes its press on after starting the drag.
    if (childAt(event->position().toPoint()) != Label1)
        accept();
}

void frmObraz::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
