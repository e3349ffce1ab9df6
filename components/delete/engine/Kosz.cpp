#include "Kosz.h"

#include <platform/Trash.h>
#include <undo/Dziennik.h>

namespace ocdelete {

void Kosz::doKosza(const QStringList &ścieżki)
{
    const std::unique_ptr<oc::undo::Zapis> zapis
        = oc::undo::Dziennik().zacznij(oc::undo::Rodzaj::Kosz, oc::undo::opisPozycji(ścieżki));
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
        if (poWpisie)
            poWpisie();
    }
}

} // namespace ocdelete
