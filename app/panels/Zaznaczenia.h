#pragma once

#include <QString>
#include <QtGlobal>

struct StanPanelu;

// Marked entries of the panel, directories included.
qint32 LiczbaZaznaczonych(const StanPanelu &s);
// The size text of the panel's marked files, from the sizes the listing
// read; marked directories add nothing.
QString RozmiarZaznaczonych(const StanPanelu &s);
