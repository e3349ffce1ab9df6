#pragma once

#include "Operacja.h"

#include <platform/FileError.h>

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace oc::undo {

// A step undo left alone, and why.
struct Pominięty
{
    QString ścieżka;
    QString powód;
};

struct WynikCofania
{
    QStringList przywrócone; // where entries came back to, for the panels' cursors
    std::vector<Pominięty> pominięte;
};

// Takes an operation back, its steps last to first. Nothing is lost on the
// way: each entry is first checked to be the one the operation left
// (device and inode; for a file also its length and modification time),
// and one that changed or went is skipped and listed. Only entries the
// operation made are removed, a directory only when empty; everything
// else is moved back without replacing anything, and a place that is
// taken asks for another name.
class Cofanie
{
public:
    // Asked when the place an entry goes back to is taken: a new full
    // path, or "" to leave the entry where it is.
    std::function<QString(const QString &zajęte)> nowaNazwa = [](const QString &) { return QString(); };
    // Moves an entry from `gdzie` to `cel` on another file system (a move
    // across them taken back), keeping its name; unset, such a step is skipped.
    std::function<bool(const QString &gdzie, const QString &cel, platform::FileError *błąd)> przenieśDaleko;

    WynikCofania cofnij(const Operacja &operacja);

private:
    void cofnijKrok(const Krok &krok, WynikCofania &wynik);
    // Moves back from `gdzie` to `cel`, or to a new name while cel is taken.
    void przywróć(const Krok &krok, WynikCofania &wynik);
};

} // namespace oc::undo
