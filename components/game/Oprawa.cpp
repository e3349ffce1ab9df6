#include "Oprawa.h"

#include <ui/Shape.h>
#include <ui/TitleDrag.h>

#include <QLabel>

namespace ocfalrow {

namespace ui = oc::ui;

QLabel *oprawa(QWidget *okno)
{
    auto *zewnętrzna = new ui::Shape(okno);
    auto *wewnętrzna = new ui::Shape(okno);
    ui::fitFrames(zewnętrzna, wewnętrzna);

    return ui::makeTitleStrip(okno, okno->windowTitle());
}

} // namespace ocfalrow
