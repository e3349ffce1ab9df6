#pragma once

#include <panels/WybranaPozycja.h>

#include <QString>
#include <optional>

// What taking an operation back asks of the disk.

// A name beside a taken one that is free: "name (2).ext", "name (3).ext", ...
QString WolnaNazwa(const QString &zajęte);
// Where a typed name puts the entry instead: beside the taken place; "" for
// a name that cannot be given there.
QString MiejscePodNazwą(const QString &zajęte, const QString &nazwa);

// The entry at `gdzie` as a move takes it back (a link as the link);
// nothing when it is gone.
std::optional<WybranaPozycja> PozycjaDoPowrotu(const QString &gdzie);
// True when the entry is no longer at `gdzie` and stands at `cel`.
bool Wróciło(const QString &gdzie, const QString &cel);
