#include "Workers.h"

#include <QtGlobal>
#include <algorithm>
#include <thread>

namespace oc::platform {

namespace {

// OC_WORKERS when it holds a positive number, else 0.
int ustawieni()
{
    bool liczba = false;
    const int ustawione = qEnvironmentVariableIntValue("OC_WORKERS", &liczba);
    return liczba && ustawione > 0 ? ustawione : 0;
}

int rdzenie()
{
    return std::max(2, int(std::thread::hardware_concurrency()));
}

} // namespace

int defaultWorkers()
{
    const int ustawione = ustawieni();
    return ustawione > 0 ? ustawione : rdzenie();
}

int waitingWorkers()
{
    const int ustawione = ustawieni();
    return ustawione > 0 ? ustawione : 2 * rdzenie();
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
