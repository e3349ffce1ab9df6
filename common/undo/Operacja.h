#pragma once

#include <platform/Entries.h>

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace oc::undo {

// The kinds of operation the program records.
enum class Rodzaj { NowyKatalog = 1, Kosz, Kopia, Przeniesienie, ZmianaNazwy, Atrybuty };

// The name of a kind in the list of operations.
QString nazwaRodzaju(Rodzaj rodzaj);
// The entries an operation takes, in its line of the list: the one path, or
// how many from which directory.
QString opisPozycji(const QStringList &ścieżki);

// One thing an operation did, with what it left behind, enough to take it
// back.
struct Krok
{
    enum Typ { Utworzony = 'U', Przeniesiony = 'P', WKoszu = 'K', Atrybuty = 'A' };

    Typ typ = Utworzony;
    QString gdzie;                // where the entry is after the step (for WKoszu: its file in the trash)
    QString skąd;                 // Przeniesiony, WKoszu: where it was before
    QString info;                 // WKoszu: its trashinfo
    quint32 atrybuty = 0;         // Atrybuty: the value before
    platform::Identity tożsamość; // of `gdzie`, as the step left it
};

struct Operacja
{
    qint64 numer = 0;
    Rodzaj rodzaj = Rodzaj::NowyKatalog;
    QDateTime czas;
    QString opis;
    std::vector<Krok> kroki;
    bool zakończona = false; // its end was recorded; else it was cut short
    bool cofnięta = false;
    QString plik; // its record in the journal
};

} // namespace oc::undo
