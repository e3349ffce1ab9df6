#pragma once

#include <platform/Directory.h>

#include <QString>
#include <array>

// The full view: one entry a row, the name followed by its size, date and
// permissions.

// The widths in pixels of the size, date and permissions columns; 0 leaves
// a column out.
using SzerokościKolumn = std::array<int, 3>;
inline constexpr int OdstępKolumn = 8; // pixels before each column

// Widths for a row of `szerokość` pixels from the widest text of each
// column. The name keeps at least a third of the row: the permissions go
// first, then the date.
SzerokościKolumn RozłóżKolumny(int szerokość, const SzerokościKolumn &najszersze);

// The permission bits as "rwxr-xr-x", with s, S, t and T where set-id and
// sticky bits stand.
QString TekstUprawnień(quint16 prawa);

// The column texts of an entry: its size in grouped digits (">KAT<" for a
// directory), date and time, and permissions; all empty for "..".
std::array<QString, 3> TekstyKolumn(const oc::platform::EntryInfo *wpis, bool katalog);
