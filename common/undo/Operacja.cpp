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

QString opisPozycji(const QStringList &ścieżki)
{
    if (ścieżki.size() == 1)
        return ścieżki.first();
    const QString katalog = ścieżki.isEmpty() ? QString() : ścieżki.first().left(ścieżki.first().lastIndexOf(u'/') + 1);
    return QStringLiteral("%1 pozycji z %2").arg(ścieżki.size()).arg(katalog);
}

} // namespace oc::undo
