#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>

namespace oc2 {

// Directory statistics for the quick view: sizes and counts of a whole tree,
// read a directory at a time by a pool of workers.
// Links are counted as entries of their own, never followed; other mounts
// below the directory are counted as a directory each, never entered.
class CrtlQ
{
public:
    static constexpr qint64 JednostkaAlokacji = 4096;

    // Counts the tree below path (the starting directory included) and
    // returns "bytes#allocated#directories#files".
    QString ZZM(const QString &path);
    // From any thread: true stops the count in hand at its next entry, and
    // every count after it, until false lets them run again. A stopped
    // count returns what it had counted.
    void Przerwij(bool przerwij) { m_przerwij = przerwij; }

    qint64 Bajty = 0;  // sum of the lengths of files and links
    qint64 Zajęte = 0; // a unit per directory and per started unit of each file, one for an empty file
    qint64 Pliki = 0;
    qint64 Katalogi = 0; // subdirectories, the starting one not included
    // Threads the count spreads the tree's directories over; 0: as many as the machine suits.
    int Pracownicy = 0;

private:
    std::atomic<bool> m_przerwij{false};
};

} // namespace oc2
