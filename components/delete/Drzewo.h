#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace ocdelete {

// A directory found by the scan: where it hangs, its own name's bytes and
// the identity it had when it was opened (0, 0 until then), so that a
// directory put in its place later is not taken for it.
struct KatalogDrzewa
{
    qsizetype rodzic = -1; // -1 for the chosen directory itself
    QByteArray nazwa;
    int głębokość = 0;
    quint64 urządzenie = 0;
    quint64 iwęzeł = 0;
    bool zostaje = false; // it holds a mount point, or is one: never removed
};

// A file (or link, or anything but a directory) found by the scan.
struct PlikDrzewa
{
    qsizetype katalog = 0;
    QByteArray nazwa;
};

} // namespace ocdelete
