#include "frmNowyPlik.h"

namespace oc {

frmNowyPlik::frmNowyPlik(QWidget *parent)
    : OknoPola(QStringLiteral("Nowy plik"), QStringLiteral("Nazwa nowego pliku:"), QString(), parent)
{
    setObjectName(QStringLiteral("frmNowyPlik"));
}

QString frmNowyPlik::Odpowiedź(const QString &tekst) const
{
    return tekst.trimmed();
}

} // namespace oc
