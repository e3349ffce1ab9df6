#pragma once

#include <undo/Operacja.h>

#include <QString>
#include <vector>

class Gospodarz;

// Ctrl+Z: takes back the latest operation not yet undone.
void CofnijOstatnią(Gospodarz &okno);
// The "Cofnij" window: the chosen operation is taken back with every later
// one not yet undone.
void ListaCofnij(Gospodarz &okno);

// The operations to take back for a choice, the latest first: the one
// numbered `od` and every later one not yet undone.
std::vector<oc::undo::Operacja> DoCofnięcia(const std::vector<oc::undo::Operacja> &wszystkie, qint64 od);
