#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace oc::platform {

// A directory found by a scan: where it hangs, its own name's bytes and
// the identity it had when it was opened (0, 0 until then), so that a
// directory put in its place later is not taken for it.
struct TreeDirectory
{
    qsizetype parent = -1; // -1 for the chosen directory itself
    QByteArray name;
    int depth = 0;
    quint64 device = 0;
    quint64 inode = 0;
    bool kept = false; // it holds a mount point, or is one: never removed
};

// A file (or link, or anything but a directory) found by a scan.
struct TreeFile
{
    qsizetype directory = 0;
    QByteArray name;
};

// One name read from a directory.
struct TreeEntry
{
    QByteArray name;
    bool isDirectory = false;
};

} // namespace oc::platform
