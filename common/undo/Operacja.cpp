#include "Operacja.h"

namespace oc::undo {

QString nazwaRodzaju(Rodzaj rodzaj)
{
    switch (rodzaj) {
    case Rodzaj::NowyKatalog: return QStringLiteral("Nowy katalog");
    case Rodzaj::Kosz: return QStringLiteral("Do kosza");
    case Rodzaj::Kopia: return QStringLiteral("Kopiowanie");
    case Rodzaj::Przeniesienie: return QStringLiteral("Przeniesienie");
    case Rodzaj::ZmianaNazwy: return QStringLiteral("Zmiana nazwy");
    case Rodzaj::Atrybuty: return QStringLiteral("Atrybuty");
    }
    return {};
}

} // namespace oc::undo
