#pragma once

#include <QElapsedTimer>
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
