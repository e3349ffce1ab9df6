#pragma once

#include "Drzewo.h"

#include <platform/FileError.h>

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

namespace ocdelete {

class Kursor;

// Deletes chosen files and whole directory trees; knows nothing of
// windows. Nothing is followed through a symbolic link: a link goes as
// itself. A read-only file (no write permission bit) is refused, and the
// directories above it then stay too (they are not empty). The deletion
// stays on the chosen directory's mount: a directory where another file
// system is mounted stays with everything below it and above it, and is
// reported once (EXDEV). A failure never
// stops the run; each is kept with its path and error number. One object
// serves one run.
class Usuwanie
{
public:
    Usuwanie();
    ~Usuwanie();

    // The files in order, then each directory tree.
    void usuń(const QStringList &pliki, const QStringList &katalogi);
    // One file; true when it is gone.
    bool usuńPlik(const QString &ścieżka);
    void pDelFiles(const QStringList &pliki);
    // Scans the tree depth first, deletes its files in scan order, then
    // removes its directories deepest first, the chosen one last. A chosen
    // directory that is a link is removed as a link.
    void pDeleteDir(const QString &katalog);

    // Safe from any thread: the run ends after the entry in hand.
    void zatrzymaj() { m_zatrzymaj = true; }
    bool zatrzymane() const { return m_zatrzymaj; }

    std::vector<oc::platform::FileError> Błędy;
    // Called on the working thread after each entry, deleted or not, so
    // that a watcher can follow (or hold) the run.
    std::function<void()> poWpisie;

    // The tree in hand, in scan order; node 0 is the chosen directory.
    std::vector<KatalogDrzewa> lstDiry;
    std::vector<PlikDrzewa> lstWynik;

private:
    void SkanujKatalog(Kursor &kursor);
    void usuńDrzewo(Kursor &kursor);
    QString ścieżkaKatalogu(qsizetype węzeł) const;
    void zapisz(int kod, const QString &ścieżka);
    void wpisGotowy();

    std::atomic<bool> m_zatrzymaj{false};
    QString m_korzeń; // the chosen directory's path, without a final "/"
};

} // namespace ocdelete
