#pragma once

#include <QString>

// An entry a command on a panel works on.
struct WybranaPozycja
{
    QString ścieżka; // full path, by the real name
    bool katalog;    // listed as a directory
    QString nazwa;   // the real name
};
