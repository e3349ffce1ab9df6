#include "frmZmienNazwe.h"

namespace oc {

frmZmienNazwe::frmZmienNazwe(const QString &nazwa, QWidget *parent)
    : OknoPola(QStringLiteral("Zmień nazwę"), QStringLiteral("Nowa nazwa:"), nazwa, parent)
{
    setObjectName(QStringLiteral("frmZmienNazwe"));
}

} // namespace oc
