#pragma once

#include <QString>

class Gospodarz;

// Shift+F6: asks for a new name of the entry under the active panel's cursor
// ("Zmień nazwę", the current name selected) and renames it in place, never
// over another entry; the cursor then stands on it. A name that cannot be
// given gets a message and nothing changes.
void ZmieńNazwę(Gospodarz &okno);
