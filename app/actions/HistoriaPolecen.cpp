#include "HistoriaPolecen.h"

void HistoriaPoleceń::DodajDoHistorii(const QString &linia)
{
    if (!lstHistoria.contains(linia, Qt::CaseInsensitive))
        lstHistoria.append(linia);
    if (!linia.isEmpty())
        PozycjaHistorii = qint32(lstHistoria.size());
}

QString HistoriaPoleceń::Cofnij()
{
    PozycjaHistorii = qMax(PozycjaHistorii - 1, 0);
    return PozycjaHistorii < lstHistoria.size() ? lstHistoria.at(PozycjaHistorii) : QString();
}

QStringList HistoriaPoleceń::Najnowsze() const
{
    constexpr qsizetype wierszy = 16;
    return lstHistoria.mid(qMax<qsizetype>(0, lstHistoria.size() - wierszy));
}
