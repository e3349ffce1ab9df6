#include "Wyglad.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/LabelButton.h>

namespace menuoc::wygląd {

namespace ui = oc::ui;

ui::LabelButton *etykieta(QWidget *okno, const QString &tekst)
{
    auto *e = new ui::LabelButton(tekst, okno);
    e->setFont(ui::sansFont(8.25, true));
    e->setAttribute(Qt::WA_TransparentForMouseEvents);
    podświetl(e, false);
    return e;
}

void podświetl(QWidget *etykieta, bool włączone)
{
    ui::setBackground(etykieta, włączone ? TłoWyróżnienia : Tło);
    ui::setForeground(etykieta, włączone ? TekstWyróżnienia : Tekst);
}

} // namespace menuoc::wygląd
