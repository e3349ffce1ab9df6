#pragma once

#include "Kosz.h"
#include "Usuwanie.h"

#include <platform/FileError.h>

#include <QStringList>
#include <functional>
#include <vector>

namespace ocdelete {

// One batch of chosen directories and files and how they go, for good or
// to the trash, with no window. Wykonaj runs the whole batch and may run on
// a worker thread; zatrzymaj, from any thread, ends it after the entry in
// hand. One object serves one batch.
class Wsad
{
public:
    QStringList Katalogi;
    QStringList Pliki;
    bool DoKosza = false;

    // Empties the chosen lists and the lists of the tree in hand.
    void ClearLists();
    // For good: the files in order, then each directory tree. To the trash:
    // the directories, then the files, each by one rename.
    void Wykonaj();
    void zatrzymaj();
    bool zatrzymane() const { return m_usuwanie.zatrzymane(); }
    // The failures of the run, read once Wykonaj has returned.
    const std::vector<oc::platform::FileError> &Błędy() const;

    // Called after each entry, done or not, never twice at once, so that a
    // watcher can follow (or hold) the run.
    std::function<void()> poWpisie;

private:
    Usuwanie m_usuwanie;
    Kosz m_kosz;
};

} // namespace ocdelete
