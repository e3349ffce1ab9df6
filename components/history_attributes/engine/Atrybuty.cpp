#include "Atrybuty.h"

namespace oc2 {

quint32 MaskaAtrybutów(const std::array<bool, 4> &ustaw, const std::array<bool, 4> &wyczyść)
{
    quint32 maska = 0;
    for (size_t i = 0; i < AtrybutPola.size(); ++i)
        if (ustaw[i] && !wyczyść[i])
            maska |= AtrybutPola[i];
    return maska;
}

bool Zaznaczony(const QString &tekst)
{
    return tekst.size() > 1 && tekst.at(1) == u'x';
}

QString Przełączony(const QString &tekst)
{
    return (Zaznaczony(tekst) ? QStringLiteral("[ ]") : QStringLiteral("[x]")) + tekst.mid(3);
}

quint32 AtrybutyPliku(const QString &ścieżka)
{
    return oc::platform::readAttributes(ścieżka).value_or(0);
}

} // namespace oc2
