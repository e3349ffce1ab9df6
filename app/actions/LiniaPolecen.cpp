#include "LiniaPolecen.h"

void LiniaPoleceń::WpiszZnak(int kod)
{
    if (kod >= 32 && kod <= 126)
        m_tekst += QChar(kod);
}

void LiniaPoleceń::Backspace()
{
    if (!m_tekst.isEmpty())
        m_tekst.chop(1);
}
