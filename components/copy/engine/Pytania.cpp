#include "Pytania.h"

namespace occopy {

QDateTime CzasPliku(qint64 nanosekundy)
{
    return QDateTime::fromMSecsSinceEpoch(nanosekundy / 1000000);
}

bool Pytania::Nadpisać(const Zastany &zastany)
{
    const Odpowiedź odpowiedź = m_dlaWszystkich ? *m_dlaWszystkich : PytajONadpisanie(zastany);
    switch (odpowiedź) {
    case Odpowiedź::Nadpisz: return true;
    case Odpowiedź::Pomiń: return false;
    case Odpowiedź::Anuluj: Przerwij(); return false;
    default: break;
    }
    m_dlaWszystkich = odpowiedź;
    if (odpowiedź == Odpowiedź::NadpiszStarsze)
        return zastany.czasCelu < zastany.czasŹródła;
    return odpowiedź == Odpowiedź::NadpiszWszystkie;
}

void Pytania::BłądŹródła(const oc::platform::FileError &błąd)
{
    if (m_pomijajBłędy)
        return;
    const Odpowiedź odpowiedź = PytajOBłąd(błąd);
    if (odpowiedź == Odpowiedź::PomijajWszystkie)
        m_pomijajBłędy = true;
    else if (odpowiedź == Odpowiedź::Anuluj)
        Przerwij();
}

} // namespace occopy
