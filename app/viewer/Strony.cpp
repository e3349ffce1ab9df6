#include "Strony.h"

#include <algorithm>

Strony::Strony(std::shared_ptr<const oc::platform::ReadOnlyFile> plik) : m_plik(std::move(plik))
{
    m_strony.reserve(NajwięcejStron);
    Odśwież();
}

void Strony::Odśwież()
{
    m_rozmiar = std::max<qint64>(0, m_plik->currentSize());
    m_strony.clear();
    m_bieżąca = nullptr;
    m_bieżącaOd = m_bieżącaDo = 0;
    m_błąd = false;
}

const Strony::Strona *Strony::Wczytaj(qint64 numer)
{
    const qint64 od = numer * RozmiarStrony;
    if (od >= m_rozmiar)
        return nullptr;
    for (Strona &s : m_strony)
        if (s.numer == numer) {
            s.użyta = ++m_licznik;
            return &s;
        }
    Strona *miejsce = nullptr;
    if (int(m_strony.size()) < NajwięcejStron) {
        miejsce = &m_strony.emplace_back();
    } else {
        miejsce = &*std::min_element(m_strony.begin(), m_strony.end(),
                                     [](const Strona &a, const Strona &b) { return a.użyta < b.użyta; });
        // The quick path may point into the page about to be replaced.
        m_bieżąca = nullptr;
        m_bieżącaOd = m_bieżącaDo = 0;
    }
    const qint64 chce = std::min(RozmiarStrony, m_rozmiar - od);
    miejsce->dane.resize(chce);
    const qint64 ma = m_plik->read(od, miejsce->dane.data(), chce);
    if (ma < 0)
        m_błąd = true;
    const qint64 przeczytane = std::max<qint64>(0, ma);
    m_przeczytane += przeczytane;
    miejsce->dane.resize(przeczytane);
    if (przeczytane < chce) // shrunk, or unreadable from here on
        m_rozmiar = od + przeczytane;
    miejsce->numer = numer;
    miejsce->użyta = ++m_licznik;
    return miejsce->dane.isEmpty() ? nullptr : miejsce;
}

int Strony::BajtSpozaStrony(qint64 offset)
{
    if (offset < 0 || offset >= m_rozmiar)
        return -1;
    const qint64 numer = offset / RozmiarStrony;
    const Strona *s = Wczytaj(numer);
    if (!s || offset >= numer * RozmiarStrony + s->dane.size())
        return -1;
    m_bieżąca = s->dane.constData();
    m_bieżącaOd = numer * RozmiarStrony;
    m_bieżącaDo = m_bieżącaOd + s->dane.size();
    return quint8(m_bieżąca[offset - m_bieżącaOd]);
}

QByteArray Strony::Bajty(qint64 offset, qint64 count)
{
    QByteArray wynik;
    offset = std::max<qint64>(0, offset);
    count = std::min(count, m_rozmiar - offset);
    if (count <= 0)
        return wynik;
    wynik.reserve(count);
    while (count > 0) {
        const qint64 numer = offset / RozmiarStrony;
        const Strona *s = Wczytaj(numer);
        if (!s)
            break;
        const qint64 w = offset - numer * RozmiarStrony;
        if (w >= s->dane.size())
            break;
        const qint64 ile = std::min<qint64>(count, s->dane.size() - w);
        wynik.append(s->dane.constData() + w, ile);
        offset += ile;
        count -= ile;
    }
    return wynik;
}
