#include "Zaznaczenia.h"

#include "StanPanelu.h"
#include "TekstRozmiaru.h"

qint32 LiczbaZaznaczonych() { return panel(AktywnyPanel).IleZaznaczonych; }

QString RozmiarZaznaczonych() { return TekstRozmiaru(panel(AktywnyPanel).SumaZaznaczonych); }
