#pragma once

#include <QString>

// Names made in a directory: a new file, a new directory, a new name for an
// entry. Each says why it could not be done, "" when it was.

// Why a typed name cannot be a new file's name; "" when it can.
QString BłądNazwyPliku(const QString &nazwa);
// Creates the empty file `nazwa` in the directory.
QString UtwórzPustyPlik(const QString &katalog, const QString &nazwa);

// The message for a directory that could not be created, by error number.
QString TekstBłęduNowegoKatalogu(int numer, const QString &opis);
// Creates the directory `nazwa` in the directory (an absolute name where it
// points) and records it for the undo.
QString UtwórzKatalog(const QString &katalog, const QString &nazwa);

// Why a typed name cannot name an entry of a directory, or "" when it can.
QString PowódOdmowyNazwy(const QString &nazwa);
// Renames `stara` of the directory to `nowa`, never over another entry, and
// records it for the undo.
QString ZmieńNazwęWpisu(const QString &katalog, const QString &stara, const QString &nowa);
