#include "Wsad.h"

namespace ocdelete {

void Wsad::ClearLists()
{
    Katalogi.clear();
    Pliki.clear();
    m_usuwanie.lstDiry.clear();
    m_usuwanie.lstWynik.clear();
}

void Wsad::Wykonaj()
{
    if (DoKosza) {
        m_kosz.poWpisie = poWpisie;
        m_kosz.doKosza(Katalogi + Pliki);
    } else {
        m_usuwanie.poWpisie = poWpisie;
        m_usuwanie.usuń(Pliki, Katalogi);
    }
}

void Wsad::zatrzymaj()
{
    m_usuwanie.zatrzymaj();
    m_kosz.zatrzymaj();
}

const std::vector<oc::platform::FileError> &Wsad::Błędy() const
{
    return DoKosza ? m_kosz.Błędy : m_usuwanie.Błędy;
}

} // namespace ocdelete
