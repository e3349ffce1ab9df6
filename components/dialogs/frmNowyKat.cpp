#include "frmNowyKat.h"

namespace oc {

frmNowyKat::frmNowyKat(QWidget *parent)
    : frmNowyKat(QStringLiteral("Nowy katalog"), QStringLiteral("Nazwa nowego katalogu:"), parent)
{
    setObjectName(QStringLiteral("frmNowyKat"));
}

frmNowyKat::frmNowyKat(const QString &tytuł, const QString &pytanie, QWidget *parent)
    : OknoPola(tytuł, pytanie, QString(), parent)
{}

// Blanks around a name are a slip of the keyboard, and a name of blanks alone
// would make an entry that looks like none.
QString frmNowyKat::Odpowiedź(const QString &tekst) const
{
    return tekst.trimmed();
}

} // namespace oc
