#pragma once

#include "FileError.h"

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <functional>

namespace oc::platform {

class Walk;

struct WalkEntry
{
    QByteArrayView rawName;   // as the file system gives it; valid during the call only
    int depth = 1;            // 1 for the entries of the starting directory
    bool isDirectory = false; // a directory itself: a link to one is not
    bool isLink = false;
    bool otherMount = false;    // a directory where another mount begins: never entered
    qint64 size = 0;            // the entry's own length (a link's, not its target's); 0 for directories
    const Walk *walk = nullptr; // the walk that met it, for the platform's own use

    QString name() const; // decoded reversibly
    QString path() const; // the root as given, then the names down to this entry
};

struct WalkControl
{
    // Looked at before each entry: once set, the walk ends there.
    const std::atomic<bool> *stop = nullptr;
    // Told of each directory below the root that could not be entered or
    // read, and of each mount point left (EXDEV), with its path.
    std::function<void(const FileError &)> failed;
    // False: a root that is itself a link is not entered (the walk fails).
    bool rootThroughLink = true;
};

// Visits every entry below root, depth first: a directory is visited, then
// its contents. Every directory is opened from its parent without
// following a link, so no path length limits the depth and a directory
// swapped for a link is never entered. The walk stays on the root's mount:
// a directory where another file system (or another mount of this one) is
// mounted is visited but not entered. Returns false, with the reason in
// *error, when root itself cannot be read.
bool walkTree(const QString &root, const std::function<void(const WalkEntry &)> &visit, FileError *error = nullptr,
              const WalkControl &control = {});

// The same walk spread over `workers` threads, a directory at a time:
// visit runs on several threads at once (told which worker, 0 to
// workers - 1) in no set order, and an entry's path() is its name only. A
// directory where another mount begins is visited as any directory and
// then reported to control.failed (EXDEV), which is called from any
// worker too.
bool walkTreeParallel(const QString &root, int workers, const std::function<void(const WalkEntry &, int worker)> &visit,
                      FileError *error = nullptr, const WalkControl &control = {});

} // namespace oc::platform
