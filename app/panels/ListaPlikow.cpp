#include "ListaPlikow.h"

#include <platform/Attributes.h>
#include <platform/Wildcard.h>

namespace attr = oc::platform::attr;

bool ListaPlików::Pokazuje(const oc::platform::EntryInfo &plik) const
{
    const quint32 a = plik.attributes;
    if ((a & attr::Hidden) && !Ukryte)
        return false;
    if ((a & attr::System) && !Systemowe)
        return false;
    if ((a & attr::ReadOnly) && !TylkoDoOdczytu)
        return false;
    if (!(a & (attr::Hidden | attr::System | attr::ReadOnly)) && !Zwykłe)
        return false;
    // The usual pattern takes every name; skipping the matcher keeps large
    // directories quick.
    return Wzorzec == u"*.*" || oc::platform::matchesWildcard(plik.name, Wzorzec);
}

void ListaPlików::Wczytaj(const QString &path, std::vector<oc::platform::EntryInfo> pliki)
{
    m_ścieżka = path;
    m_wpisy = std::move(pliki);
    std::erase_if(m_wpisy, [this](const oc::platform::EntryInfo &plik) { return !Pokazuje(plik); });
    Uporządkuj();
}

void ListaPlików::Uporządkuj()
{
    m_kolejność = KolejnośćWpisów(m_wpisy, Kolejność, false);
}
