#pragma once

#include <platform/FileError.h>

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

namespace ocdelete {

// Moves chosen files and directories to the desktop trash, each by one
// rename, and records where each went so that it can be taken back; knows
// nothing of windows. A failure never stops the run; each is kept with its
// path and reason. One object serves one run.
class Kosz
{
public:
    // In the order given.
    void doKosza(const QStringList &ścieżki);

    // Safe from any thread: the run ends after the entry in hand.
    void zatrzymaj() { m_zatrzymaj = true; }

    std::vector<oc::platform::FileError> Błędy;
    // Called after each entry, moved or not.
    std::function<void()> poWpisie;

private:
    std::atomic<bool> m_zatrzymaj{false};
};

} // namespace ocdelete
