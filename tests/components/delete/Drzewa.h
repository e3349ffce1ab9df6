#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Hostile trees for the delete tests, built from lines of bytes (names may
// hold any byte but "/" and NUL, a newline included):
//   "d path"          a directory, with its parents
//   "f path"          a file
//   "r path"          a read-only file
//   "l path target"   a symbolic link; a target starting with "@" lies below root
//   "g path levels"   a chain of directories, a file in each, deeper than any path may be
bool zbuduj(const QByteArray &root, const QByteArrayList &opis);

// Locks from lines "m path mode" (octal permissions) and "i path"
// (immutable). False when a lock does not hold for this process
// (privileges override permissions, or no right to make a file immutable).
bool zamknij(const QByteArray &root, const QByteArrayList &zamki);
// Takes the locks off again so the tree can be cleaned up.
void otwórz(const QByteArray &root, const QByteArrayList &zamki);

// Every entry left below root, as sorted paths relative to it.
QByteArrayList pozostałe(const QByteArray &root);
