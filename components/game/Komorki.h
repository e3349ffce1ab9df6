#pragma once

#include <QtGlobal>
#include <vector>

namespace ocfalrow {

// The colours of a row of painted cells. Each change is remembered until the
// window takes it, so that only cells whose colour really differs are repainted.
class Komórki
{
public:
    Komórki(int liczba, quint32 kolor);

    quint32 operator[](int indeks) const { return m_kolory[indeks]; }
    void Maluj(int indeks, quint32 kolor);

    // The cells whose colour differs from when they were last taken, each
    // once; a cell painted over and back again is not among them.
    std::vector<int> Zmienione();

private:
    std::vector<quint32> m_kolory;
    std::vector<quint32> m_pokazane;
    std::vector<int> m_dotknięte;
};

} // namespace ocfalrow
