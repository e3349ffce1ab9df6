#pragma once

#include <QString>
#include <optional>

struct StanPanelu;

// The first word: the text before the first blank; "" when the line starts
// with a blank.
QString PierwszyWyraz(const QString &linia);
// The name before its first "."; "" when it starts with one.
QString NazwaBezRozszerzenia(const QString &nazwa);

// What a typed line asks for, decided from the line and the active panel.
struct Polecenie
{
    enum class Rodzaj {
        Pozycja,     // the first word names an entry: start the whole line from the panel's directory
        Koniec,      // an exit word: close without the question
        Cd,          // change the panel's directory to argument
        Program,     // a program listed in the panel, started without the other words
        Interpreter, // anything else goes to the command interpreter
    };
    Rodzaj rodzaj = Rodzaj::Interpreter;
    QString argument; // Cd: the directory as typed after "CD" and one separator
    int pozycja = 0;  // Pozycja, Program: the entry's index
};

// Looks only at the entries whose names match the first word, so its cost
// does not grow with the size of the directory beyond one pass over names.
Polecenie RozpoznajPolecenie(const QString &linia, const StanPanelu &stan);

// True when the subdirectory, taken relative to the directory (or absolute),
// can be entered.
bool MożnaWejść(const QString &katalog, const QString &podkatalog);

// The directory CD goes to from `katalog`: as typed ("~" and nothing the
// home folder), else a listed directory whose name differs only in letter
// case, since names here are case-sensitive and the panel shows them
// upper-cased; nothing when none of them can be entered.
std::optional<QString> KatalogDlaCd(const StanPanelu &s, const QString &katalog, const QString &arg);
