#include "Filtr.h"

namespace oc {

std::optional<Filtr> CzytajFiltr(QStringView tekst)
{
    Filtr filtr;
    if (tekst.size() < qsizetype(filtr.Pokazane.size()))
        return std::nullopt;
    for (size_t i = 0; i < filtr.Pokazane.size(); ++i)
        filtr.Pokazane[i] = tekst.at(qsizetype(i)) == u'1';
    filtr.Wzorzec = tekst.mid(qsizetype(filtr.Pokazane.size())).toString();
    return filtr;
}

QString TekstFiltru(const Filtr &filtr)
{
    QString tekst;
    for (bool pokazane : filtr.Pokazane)
        tekst += pokazane ? u'1' : u'0';
    const QString wzorzec = filtr.Wzorzec.trimmed();
    return tekst + (wzorzec.isEmpty() ? QStringLiteral("*.*") : wzorzec);
}

} // namespace oc
