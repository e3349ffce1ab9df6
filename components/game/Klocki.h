#pragma once

#include <QtGlobal>
#include <array>

namespace ocfalrow {

// A piece's 4 × 4 box: column x 1 to 4 from the left, row y 1 to 4 from the top.
class Pudełko
{
public:
    bool operator()(int x, int y) const { return m_pełne[(y - 1) * 4 + x - 1]; }
    void wypełnij(int x, int y) { m_pełne[(y - 1) * 4 + x - 1] = true; }

private:
    std::array<bool, 16> m_pełne{};
};

constexpr int LiczbaRodzajów = 7;

// The seven kinds, 1 to 7: their colour (0x00BBGGRR), their cells in each
// rotation state and the state that follows a turn. Kind 0 is no piece.
quint32 KolorRodzaju(int rodzaj);
Pudełko Kształt(int rodzaj, int stan);
int NastępnyStan(int rodzaj, int stan);

} // namespace ocfalrow
