#include "frmNowyPlik.h"

namespace oc {

frmNowyPlik::frmNowyPlik(QWidget *parent)
    : frmNowyKat(QStringLiteral("Nowy plik"), QStringLiteral("Nazwa nowego pliku:"), parent)
{
    setObjectName(QStringLiteral("frmNowyPlik"));
}

} // namespace oc
