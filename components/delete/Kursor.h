#pragma once

#include "Drzewo.h"

#include <vector>

namespace ocdelete {

// One open directory descriptor that moves through a scanned tree: down by
// name without following links, up through "..", each step checked against
// the identity the scan recorded. A tree of any depth is walked with two
// descriptors, and a directory swapped for a link or for another directory
// is never entered, nor one where another file system is mounted.
class Kursor
{
public:
    explicit Kursor(std::vector<KatalogDrzewa> &katalogi);
    ~Kursor();
    Kursor(const Kursor &) = delete;
    Kursor &operator=(const Kursor &) = delete;

    // Opens the chosen directory `nazwa` of the directory open as rodzic
    // (node 0 of the tree): one opened before must be the same directory.
    // False with the error number in *błąd.
    bool otwórzKorzeń(int rodzic, const QByteArray &nazwa, int *błąd);
    // Makes node cel the open directory; a node never opened before takes
    // the identity it has now. False with the error number in *błąd
    // (ELOOP or ENOTDIR for a link or file in its place, ENOENT for another
    // directory, EXDEV for a mount point); the cursor then stays on a node
    // above it.
    bool idźDo(qsizetype cel, int *błąd);

    int fd() const { return m_fd; }

private:
    // Fills m_droga with the nodes below the common ancestor of od and cel
    // down to cel, deepest first; returns that ancestor.
    qsizetype drogaDo(qsizetype od, qsizetype cel);
    bool wGórę();
    bool wDół(qsizetype dziecko, int *błąd);
    void naKorzeń();
    void przejdź(int fd, qsizetype węzeł);

    std::vector<KatalogDrzewa> &m_katalogi;
    std::vector<qsizetype> m_droga;
    int m_korzeń = -1;
    bool m_montowanieZnane = false;
    quint64 m_montowanie = 0; // the chosen directory's mount
    int m_fd = -1;
    qsizetype m_węzeł = -1;
};

} // namespace ocdelete
