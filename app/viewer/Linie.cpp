#include "Linie.h"

#include <algorithm>

namespace {

constexpr int CR = 0x0D, LF = 0x0A;

} // namespace

Linie::Linie(Strony &strony, qint64 początek, int jednostka, bool bigEndian)
    : m_strony(strony), m_początek(początek), m_jednostka(jednostka), m_bigEndian(bigEndian)
{}

int Linie::Jednostka(qint64 offset) const
{
    const int a = m_strony.Bajt(offset);
    if (m_jednostka == 1 || a < 0)
        return a;
    const int b = m_strony.Bajt(offset + 1);
    if (b < 0)
        return -1;
    return m_bigEndian ? (a << 8 | b) : (b << 8 | a);
}

Linie::Linia Linie::Czytaj(qint64 start) const
{
    const qint64 rozmiar = m_strony.Rozmiar();
    // A piece runs at least NajdłuższaLinia bytes, up to a multiple of it.
    const qint64 granica = std::min(
        rozmiar, m_początek + ((start - m_początek + NajdłuższaLinia - 1) / NajdłuższaLinia + 1) * NajdłuższaLinia);
    for (qint64 p = start; p < granica; p += m_jednostka) {
        const int j = Jednostka(p);
        if (j != CR && j != LF)
            continue;
        const qint64 dalej = p + m_jednostka;
        return {start, p, j == CR && Jednostka(dalej) == LF ? dalej + m_jednostka : dalej};
    }
    const qint64 koniec = std::max(start, granica);
    return {start, koniec, koniec};
}

qint64 Linie::Kotwica(qint64 offset) const
{
    // The end of the nearest line end marker before offset starts a line.
    const qint64 okno = std::max(m_początek, offset - 2 * NajdłuższaLinia);
    for (qint64 p = offset - m_jednostka; p >= okno; p -= m_jednostka) {
        const int j = Jednostka(p);
        if (j != CR && j != LF)
            continue;
        const qint64 start = j == CR && Jednostka(p + m_jednostka) == LF ? p + 2 * m_jednostka : p + m_jednostka;
        if (start <= offset)
            return start;
    }
    if (okno == m_początek)
        return m_początek;
    // No marker in two pieces' length: offset lies deep in a long line, whose
    // pieces past the first start at multiples of NajdłuższaLinia.
    return m_początek + (offset - m_początek) / NajdłuższaLinia * NajdłuższaLinia;
}

qint64 Linie::Zawierająca(qint64 offset) const
{
    if (offset <= m_początek)
        return m_początek;
    offset = m_początek + (offset - m_początek) / m_jednostka * m_jednostka;
    qint64 p = Kotwica(offset);
    for (;;) {
        const qint64 n = Czytaj(p).następna;
        if (n > offset || n >= m_strony.Rozmiar())
            return p;
        p = n;
    }
}

qint64 Linie::Poprzednia(qint64 start) const
{
    return start <= m_początek ? m_początek : Zawierająca(start - m_jednostka);
}

qint64 Linie::Ostatnia() const
{
    const qint64 rozmiar = m_strony.Rozmiar();
    if (rozmiar <= m_początek)
        return m_początek;
    // The last whole code unit, or the stray byte after it.
    const qint64 ostatni = m_początek + (rozmiar - m_początek - 1) / m_jednostka * m_jednostka;
    return Zawierająca(ostatni);
}
