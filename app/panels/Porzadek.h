#pragma once

#include <platform/Directory.h>

#include <QString>
#include <QStringView>
#include <vector>

// The key a panel sorts its entries by; Brak keeps the directory's own order.
enum class Sortowanie : quint8 { Nazwa, Rozszerzenie, Data, Rozmiar, Brak };

// A panel's order: directories stay before files, ".." first.
struct Porządek
{
    Sortowanie Klucz = Sortowanie::Nazwa;
    bool Odwrotnie = false;
    bool operator==(const Porządek &) const = default;
};

// The order after a sort key is chosen: the same key again reverses, another
// key starts in its own direction.
Porządek NastępnyPorządek(Porządek teraz, Sortowanie klucz);

// A text that compares, unit by unit, as names do in the Polish alphabet
// (ą after a, ł after l, ż last), whatever the case.
QString KluczNazwy(QStringView nazwa);
// Names by the Polish alphabet without regard to case, then exactly, so
// names that differ in case alone keep a fixed order.
int PorównajNazwy(QStringView a, QStringView b);

// What follows the last "." that is not the name's first character; empty
// when there is none.
QStringView Rozszerzenie(QStringView nazwa);

// The positions of the entries in the order. Names by the alphabet, dates
// newest and sizes largest first, ties by name; directories by name under
// the extension and size keys.
std::vector<qint32> KolejnośćWpisów(const std::vector<oc::platform::EntryInfo> &wpisy, Porządek porządek,
                                    bool katalogi);
