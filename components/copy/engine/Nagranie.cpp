#include "Nagranie.h"

#include "Kopiarka.h"
#include "Przenosnik.h"

#include <platform/Trash.h>
#include <undo/Dziennik.h>

namespace occopy {

Nagranie::Nagranie(Kopiarka &kopiarka, Przenośnik *przenośnik) : m_kopiarka(kopiarka), m_przenośnik(przenośnik)
{
    const QStringList &katalogi = przenośnik ? przenośnik->lstDirs : kopiarka.lstDirs;
    const QStringList &pliki = przenośnik ? przenośnik->lstFiles : kopiarka.lstFiles;
    m_zapis = oc::undo::Dziennik().zacznij(przenośnik ? oc::undo::Rodzaj::Przeniesienie : oc::undo::Rodzaj::Kopia,
                                           oc::undo::opisPozycji(katalogi + pliki) + QStringLiteral(" do ")
                                               + kopiarka.KatalogDocelowy);
    oc::undo::Zapis *zapis = m_zapis.get();
    if (!zapis)
        return;
    const auto odłóż = [zapis](const QString &odłożony, const QString &cel) {
        const std::optional<oc::platform::TrashedEntry> wpis = oc::platform::moveToTrash(odłożony, nullptr, cel);
        if (wpis)
            zapis->wKoszu(*wpis);
        return wpis.has_value();
    };
    kopiarka.OdłóżZastąpiony = odłóż;
    if (przenośnik) {
        przenośnik->OdłóżZastąpiony = odłóż;
        przenośnik->PoPrzeniesieniu
            = [zapis](const QString &skąd, const QString &dokąd) { zapis->przeniesiony(skąd, dokąd); };
    } else {
        // A move's copies are not its own: their sources are gone once they are whole.
        kopiarka.PoUtworzeniu = [zapis](const QString &ścieżka,
                                        const std::optional<oc::platform::Identity> &tożsamość) {
            zapis->utworzony(ścieżka, tożsamość);
        };
    }
}

Nagranie::~Nagranie()
{
    m_kopiarka.OdłóżZastąpiony = nullptr;
    m_kopiarka.PoUtworzeniu = nullptr;
    if (m_przenośnik) {
        m_przenośnik->OdłóżZastąpiony = nullptr;
        m_przenośnik->PoPrzeniesieniu = nullptr;
    }
}

} // namespace occopy
