#include "Kosz.h"

#include <platform/Trash.h>
#include <undo/Dziennik.h>

namespace ocdelete {

namespace {

QString opis(const QStringList &ścieżki)
{
    if (ścieżki.size() == 1)
        return ścieżki.first();
    const QString katalog = ścieżki.isEmpty() ? QString() : ścieżki.first().left(ścieżki.first().lastIndexOf(u'/') + 1);
    return QStringLiteral("%1 pozycji z %2").arg(ścieżki.size()).arg(katalog);
}

} // namespace

void Kosz::doKosza(const QStringList &ścieżki)
{
    const std::unique_ptr<oc::undo::Zapis> zapis = oc::undo::Dziennik().zacznij(oc::undo::Rodzaj::Kosz, opis(ścieżki));
    for (const QString &ścieżka : ścieżki) {
        if (m_zatrzymaj)
            break;
        oc::platform::TrashError błąd;
        if (const std::optional<oc::platform::TrashedEntry> wpis = oc::platform::moveToTrash(ścieżka, &błąd)) {
            if (zapis)
                zapis->wKoszu(*wpis);
        } else {
            Błędy.push_back(błąd.error);
        }
    }
}

} // namespace ocdelete
