#pragma once

#include <platform/FileError.h>
#include <platform/ScannedTree.h>

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

namespace oc::platform {
class OpenDirectory;
class TreeCursor;
} // namespace oc::platform

namespace ocdelete {

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
    // Scans the tree depth first, then deletes its files in portions spread
    // over Pracownicy threads, each directory as soon as it is empty, the
    // chosen one last. A chosen directory that is a link is removed as a
    // link. The failures of one tree are kept sorted by path.
    void pDeleteDir(const QString &katalog);

    // Safe from any thread: the run ends after the entry in hand.
    void zatrzymaj() { m_zatrzymaj = true; }
    bool zatrzymane() const { return m_zatrzymaj; }

    std::vector<oc::platform::FileError> Błędy;
    // Called after each entry, deleted or not, never twice at once, so that
    // a watcher can follow (or hold) the run.
    std::function<void()> poWpisie;
    // Threads a tree is deleted with; 0: as many as the machine suits.
    int Pracownicy = 0;

    // The tree in hand, in scan order; node 0 is the chosen directory.
    std::vector<oc::platform::TreeDirectory> lstDiry;
    std::vector<oc::platform::TreeFile> lstWynik;

private:
    void SkanujKatalog(oc::platform::TreeCursor &kursor);
    void usuńDrzewo(const oc::platform::OpenDirectory &rodzic, const QByteArray &nazwa);
    // Counts off one of what keeps the directory; the last one removes it.
    void odlicz(oc::platform::TreeCursor &kursor, qsizetype węzeł);
    QString ścieżkaKatalogu(qsizetype węzeł) const;
    void zapisz(int kod, const QString &ścieżka);
    void wpisGotowy();

    std::atomic<bool> m_zatrzymaj{false};
    std::mutex m_mutex; // the failures, the watcher and the counts below
    // Of each directory: its portions of files and its subdirectories not yet done.
    std::vector<qsizetype> m_zostało;
    QString m_korzeń; // the chosen directory's path, without a final "/"
};

} // namespace ocdelete
