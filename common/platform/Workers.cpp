#include "Workers.h"

#include <QtGlobal>
#include <algorithm>
#include <thread>

namespace oc::platform {

int defaultWorkers()
{
    bool liczba = false;
    const int ustawione = qEnvironmentVariableIntValue("OC_WORKERS", &liczba);
    if (liczba && ustawione > 0)
        return ustawione;
    return std::max(2, int(std::thread::hardware_concurrency()));
}

int waitingWorkers()
{
    bool liczba = false;
    const int ustawione = qEnvironmentVariableIntValue("OC_WORKERS", &liczba);
    return liczba && ustawione > 0 ? ustawione : 2 * defaultWorkers();
}

void runWorkers(int count, const std::function<void(int worker)> &body)
{
    std::vector<std::thread> wątki;
    for (int i = 1; i < count; ++i)
        wątki.emplace_back(body, i);
    body(0);
    for (std::thread &wątek : wątki)
        wątek.join();
}

} // namespace oc::platform
