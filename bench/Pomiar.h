#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <limits>

// The best of several timed runs, in milliseconds.
inline double najlepszy(int razy, const std::function<void()> &praca)
{
    qint64 najkrótszy = std::numeric_limits<qint64>::max();
    for (int i = 0; i < razy; ++i) {
        QElapsedTimer zegar;
        zegar.start();
        praca();
        najkrótszy = std::min(najkrótszy, zegar.nsecsElapsed());
    }
    return double(najkrótszy) / 1e6;
}

// The two optional arguments of every benchmark: how much to build and how
// many timed runs; false (after printing the usage) when either is not a
// positive number.
inline bool czytajArgumenty(const QStringList &argumenty, int &ilość, int &razy, const char *użycie)
{
    if (argumenty.size() > 1)
        ilość = argumenty.at(1).toInt();
    if (argumenty.size() > 2)
        razy = argumenty.at(2).toInt();
    if (ilość > 0 && razy > 0)
        return true;
    QTextStream(stdout) << "użycie: " << użycie << '\n';
    return false;
}

// Empty files named by wzór ("%1" the number) for the numbers from od to
// do_, in katalog; false when one cannot be made.
inline bool pustePliki(const QString &katalog, int od, int do_, const QString &wzór)
{
    for (int i = od; i < do_; ++i)
        if (!QFile(katalog + u'/' + wzór.arg(i)).open(QIODevice::WriteOnly))
            return false;
    return true;
}
