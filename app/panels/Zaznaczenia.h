#pragma once

#include <QString>
#include <QtGlobal>

// Marked entries of the active panel, directories included.
qint32 LiczbaZaznaczonych();
// The size text of the marked files of the active panel, from the sizes the
// listing read; marked directories add nothing.
QString RozmiarZaznaczonych();
