#include "Komorki.h"

namespace ocfalrow {

Komórki::Komórki(int liczba, quint32 kolor) : m_kolory(liczba, kolor), m_pokazane(liczba, kolor)
{}

void Komórki::Maluj(int indeks, quint32 kolor)
{
    if (m_kolory[indeks] == kolor)
        return;
    if (m_kolory[indeks] == m_pokazane[indeks])
        m_dotknięte.push_back(indeks);
    m_kolory[indeks] = kolor;
}

std::vector<int> Komórki::Zmienione()
{
    std::vector<int> zmienione;
    for (int indeks : m_dotknięte)
        if (m_kolory[indeks] != m_pokazane[indeks]) {
            m_pokazane[indeks] = m_kolory[indeks];
            zmienione.push_back(indeks);
        }
    m_dotknięte.clear();
    return zmienione;
}

} // namespace ocfalrow
