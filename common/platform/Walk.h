#pragma once

#include "FileError.h"

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace oc::platform {

struct WalkEntry
{
    QByteArrayView rawName; // as the file system gives it; valid during the call only
    int depth = 1;          // 1 for the entries of the starting directory
    bool isDirectory = false; // a directory itself: a link to one is not
    qint64 size = 0;          // the entry's own length (a link's, not its target's); 0 for directories

    QString name() const;   // decoded reversibly
};

// Visits every entry below root, depth first: a directory is visited, then
// its contents. Symbolic links are never followed; directories that cannot
// be read are visited but not entered. Returns false, with the reason in
// *error, when root itself cannot be read.
bool walkTree(const QString &root, const std::function<void(const WalkEntry &)> &visit, FileError *error = nullptr);

} // namespace oc::platform
