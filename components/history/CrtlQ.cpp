#include "CrtlQ.h"

#include <platform/Walk.h>

namespace oc2 {

QString CrtlQ::ZZM(const QString &path)
{
    Bajty = Zajęte = Pliki = Katalogi = 0;
    oc::platform::WalkControl sterowanie;
    sterowanie.stop = &m_przerwij;
    oc::platform::walkTree(
        path,
        [this](const oc::platform::WalkEntry &entry) {
            if (entry.isDirectory) {
                ++Katalogi;
                return;
            }
            const qint64 jednostki = entry.size > 0 ? (entry.size + JednostkaAlokacji - 1) / JednostkaAlokacji : 1;
            Zajęte += jednostki * JednostkaAlokacji;
            Bajty += entry.size;
            ++Pliki;
        },
        nullptr, sterowanie);
    Zajęte += JednostkaAlokacji * Katalogi + JednostkaAlokacji;
    return QStringLiteral("%1#%2#%3#%4").arg(Bajty).arg(Zajęte).arg(Katalogi + 1).arg(Pliki);
}

} // namespace oc2
