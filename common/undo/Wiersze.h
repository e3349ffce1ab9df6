#pragma once

#include "Operacja.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The journal's text: one line per fact, tab-separated fields, each line
// closed by its own checksum, so that a line cut short or left half written
// by a crash is told from a whole one.
namespace oc::undo::wiersze {

// A line of an operation's start, of one step, of its end, of its undoing.
QByteArray początek(Rodzaj rodzaj, const QDateTime &czas, const QString &opis);
QByteArray krok(const Krok &krok);
QByteArray koniec();
QByteArray cofnięta(const QDateTime &czas);

// An operation read from its record as far as its lines are whole;
// nullopt when not even its start is.
std::optional<Operacja> odczytaj(const QByteArray &treść);

// A field: the name's bytes with "%", tab, CR, LF and other control bytes
// escaped; any name, also one that is not UTF-8, comes back the same.
QByteArray pole(const QString &tekst);
QString tekst(const QByteArray &pole);

} // namespace oc::undo::wiersze
