#pragma once

#include <QString>
#include <vector>

class WidokPanelu;

struct WybranaPozycja
{
    QString ścieżka; // full path, by the real name
    bool katalog;    // listed as a directory
};

// What a command on the panel works on: its marked entries in panel order,
// or the one under the cursor when none is marked; nothing for ".." alone
// or an empty panel.
std::vector<WybranaPozycja> WybranePozycje(const WidokPanelu &panel);

// The real name of the entry the cursor takes once the chosen entries have
// gone: the nearest one left after the cursor, else before it; "" for none.
QString SąsiadWybranych(const WidokPanelu &panel);

// The entry's index by its real name; 0 when it is not listed.
qint32 PozycjaNazwy(const WidokPanelu &panel, const QString &nazwa);
