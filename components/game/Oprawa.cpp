#include "Oprawa.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Shape.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QLabel>

namespace ocfalrow {

namespace ui = oc::ui;

QLabel *oprawa(QWidget *okno)
{
    auto *zewnętrzna = new ui::Shape(okno);
    auto *wewnętrzna = new ui::Shape(okno);
    ui::fitFrames(zewnętrzna, wewnętrzna);

    auto *tytuł = new QLabel(u' ' + okno->windowTitle() + u' ', okno);
    tytuł->setFont(ui::sansFont(9.75, true));
    tytuł->setAlignment(Qt::AlignCenter);
    ui::setBackground(tytuł, 0x00FFFFFF);
    ui::setForeground(tytuł, 0x00404040);
    tytuł->adjustSize();
    ui::resizeTwips(tytuł, ui::widthTwips(tytuł), 240);
    tytuł->move((okno->width() - tytuł->width()) / 2, 0);
    ui::makeTitleDrag(tytuł);
    return tytuł;
}

} // namespace ocfalrow
