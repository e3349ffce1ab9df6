#include "ListaKatalogow.h"

#include <platform/Attributes.h>

void ListaKatalogów::Wczytaj(const QString &path, std::vector<oc::platform::EntryInfo> katalogi, bool ukryte)
{
    m_ścieżka = path;
    m_wpisy = std::move(katalogi);
    if (!ukryte)
        std::erase_if(m_wpisy,
                      [](const oc::platform::EntryInfo &wpis) { return wpis.attributes & oc::platform::attr::Hidden; });
    Uporządkuj();
}

void ListaKatalogów::Uporządkuj()
{
    m_kolejność = KolejnośćWpisów(m_wpisy, Kolejność, true);
}
