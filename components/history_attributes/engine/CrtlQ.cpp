#include "CrtlQ.h"

#include <platform/Walk.h>
#include <platform/Workers.h>

#include <vector>

namespace oc2 {

QString CrtlQ::ZZM(const QString &path)
{
    // Each worker's sums on a cache line of their own.
    struct alignas(64) Suma
    {
        qint64 bajty = 0, zajęte = 0, pliki = 0, katalogi = 0;
    };
    const int pracownicy = Pracownicy > 0 ? Pracownicy : oc::platform::defaultWorkers();
    std::vector<Suma> sumy(static_cast<std::size_t>(pracownicy));
    oc::platform::WalkControl sterowanie;
    sterowanie.stop = &m_przerwij;
    oc::platform::walkTreeParallel(
        path, pracownicy,
        [&sumy](const oc::platform::WalkEntry &entry, int pracownik) {
            Suma &suma = sumy[std::size_t(pracownik)];
            if (entry.isDirectory) {
                ++suma.katalogi;
                return;
            }
            const qint64 jednostki = entry.size > 0 ? (entry.size + JednostkaAlokacji - 1) / JednostkaAlokacji : 1;
            suma.zajęte += jednostki * JednostkaAlokacji;
            suma.bajty += entry.size;
            ++suma.pliki;
        },
        nullptr, sterowanie);
    Bajty = Zajęte = Pliki = Katalogi = 0;
    for (const Suma &suma : sumy) {
        Bajty += suma.bajty;
        Zajęte += suma.zajęte;
        Pliki += suma.pliki;
        Katalogi += suma.katalogi;
    }
    Zajęte += JednostkaAlokacji * Katalogi + JednostkaAlokacji;
    return QStringLiteral("%1#%2#%3#%4").arg(Bajty).arg(Zajęte).arg(Katalogi + 1).arg(Pliki);
}

} // namespace oc2
