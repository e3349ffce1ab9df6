#include "frmMaska.h"

namespace oc {

frmMaska::frmMaska(int tryb, QWidget *parent)
    : OknoPola(tryb == 2 ? QStringLiteral("Odznacz pliki") : QStringLiteral("Zaznacz pliki"),
               tryb == 2 ? QStringLiteral("Odznacz pliki pasujące do wzorca:")
                         : QStringLiteral("Zaznacz pliki pasujące do wzorca:"),
               QStringLiteral("*.*"), parent)
{
    setObjectName(QStringLiteral("frmMaska"));
}

} // namespace oc
