#include "frmNowyKat.h"

namespace oc {

frmNowyKat::frmNowyKat(QWidget *parent)
    : OknoPola(QStringLiteral("Nowy katalog"), QStringLiteral("Nazwa nowego katalogu:"), QString(), parent)
{
    setObjectName(QStringLiteral("frmNowyKat"));
}

// Blanks around a name are a slip of the keyboard, and a name of blanks alone
// would make a directory that looks like none.
QString frmNowyKat::Odpowiedź(const QString &tekst) const
{
    return tekst.trimmed();
}

} // namespace oc
