#include "WyborDysku.h"

#include <algorithm>

namespace oc {

QList<platform::Volume> DyskiDoWyboru()
{
    return platform::volumes();
}

int WierszDysku(const QList<platform::Volume> &dyski, const QString &dysk)
{
    auto szukaj = [&](const QString &punkt) {
        for (qsizetype i = 0; i < dyski.size(); ++i)
            if (dyski.at(i).mountPoint == punkt)
                return int(i);
        return -1;
    };
    int wiersz = szukaj(dysk);
    // A directory rather than a mount point still finds its volume.
    if (wiersz < 0 && dysk.startsWith(u'/'))
        wiersz = szukaj(platform::volumeOf(dysk));
    return std::max(wiersz, 0);
}

} // namespace oc
