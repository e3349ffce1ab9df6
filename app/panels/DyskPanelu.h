#pragma once

#include <platform/Directory.h>
#include <platform/Volumes.h>

#include <QString>

// What a panel asks of the disk: the directory it goes to, whether it can go
// into one, and the volume it lies on.

// A directory read for a panel: where the panel ended up and what is there.
struct OdczytKatalogu
{
    QString ścieżka;
    oc::platform::DirectoryListing odczyt;
};
// Reads `path` (taken from `obecny` unless absolute) in the directory's own
// order; one that cannot be read gives way to the nearest directory above
// it that can, and past the root to the fall-back directory.
OdczytKatalogu CzytajKatalogPanelu(const QString &obecny, const QString &path);
// The directory a panel starts in: the saved one, else the fall-back one.
QString KatalogStartowy(const QString &zapisany);
// A directory the panel can go into and list.
bool KatalogDostępny(const QString &ścieżka);

// The mount point of the volume that holds the directory.
QString WoluminKatalogu(const QString &ścieżka);
// Label, id and sizes of that volume.
oc::platform::Volume OpisWoluminu(const QString &ścieżka);
// Where a panel goes on the volume chosen: the other panel's directory when
// it lies there, else the last one shown there while it can be entered,
// else the volume's mount point.
QString KatalogNaWoluminie(const QString &wybrany, const QString &drugi, const QString &ostatni);
