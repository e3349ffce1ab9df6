#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QLabel>

namespace oc::wygląd {

std::array<ui::Shape *, 2> ramki(QWidget *okno)
{
    std::array<ui::Shape *, 2> shapes{};
    for (ui::Shape *&shape : shapes)
        shape = new ui::Shape(okno);
    return shapes;
}

QLabel *tytuł(QWidget *okno, const QString &tekst)
{
    auto *etykieta = new QLabel(u' ' + tekst + u' ', okno);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setFont(ui::sansFont(9.75, true));
    etykieta->setAlignment(Qt::AlignCenter);
    ui::setBackground(etykieta, 0x00FFFFFF);
    ui::setForeground(etykieta, 0x00404040);
    etykieta->adjustSize();
    ui::resizeTwips(etykieta, ui::widthTwips(etykieta), 240);
    etykieta->move((okno->width() - etykieta->width()) / 2, 0);
    etykieta->raise();
    ui::makeTitleDrag(etykieta);
    return etykieta;
}

void dopasuj(QWidget *okno, QLabel *tytuł, const std::array<ui::Shape *, 2> &ramki)
{
    if (tytuł)
        tytuł->move((okno->width() - tytuł->width()) / 2, 0);
    ui::fitFrames(ramki[0], ramki[1]);
}

} // namespace oc::wygląd
