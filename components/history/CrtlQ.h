#pragma once

#include <QString>
#include <QtGlobal>

namespace oc2 {

// Directory statistics for the quick view: sizes and counts of a whole tree.
// Links are counted as entries of their own, never followed.
class CrtlQ
{
public:
    static constexpr qint64 JednostkaAlokacji = 4096;

    // Counts the tree below path (the starting directory included) and
    // returns "bytes#allocated#directories#files".
    QString ZZM(const QString &path);

    qint64 Bajty = 0;    // sum of the lengths of files and links
    qint64 Zajęte = 0;   // a unit per directory and per started unit of each file, one for an empty file
    qint64 Pliki = 0;
    qint64 Katalogi = 0; // subdirectories, the starting one not included
};

} // namespace oc2
