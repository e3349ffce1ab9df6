#include "WygladOkna.h"

#include <ui/Keys.h>
#include <ui/TitleDrag.h>

#include <QDialog>
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
    return ui::makeTitleStrip(okno, tekst);
}

bool zamknijKlawiszem(QDialog *okno, QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Return:
    case ui::vk::Space: okno->accept(); return true;
    case ui::vk::Escape:
    case ui::vk::F10: okno->reject(); return true;
    default: return false;
    }
}

void dopasuj(QWidget *okno, QLabel *tytuł, const std::array<ui::Shape *, 2> &ramki)
{
    if (tytuł)
        tytuł->move((okno->width() - tytuł->width()) / 2, 0);
    ui::fitFrames(ramki[0], ramki[1]);
}

} // namespace oc::wygląd
