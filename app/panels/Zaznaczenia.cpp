#include "Zaznaczenia.h"

#include "StanPanelu.h"
#include "TekstRozmiaru.h"

qint32 LiczbaZaznaczonych(const StanPanelu &s)
{
    return s.IleZaznaczonych;
}

QString RozmiarZaznaczonych(const StanPanelu &s)
{
    return TekstRozmiaru(s.SumaZaznaczonych);
}
