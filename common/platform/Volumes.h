#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace oc::platform {

struct Volume
{
    QString mountPoint; // "/", "/home", ...
    QString device;
    QString fileSystem;
    QString label;          // empty when the volume has none
    QString id;             // UUID or file-system id; empty when none
    qint64 clusterSize = 0; // fragment size
    qint64 freeBytes = 0;   // available to the user
    qint64 totalBytes = 0;
};

// Mounted real file systems (pseudo ones left out), sorted by mount point.
QList<Volume> volumes();
// The mount point of the volume that holds the path.
QString volumeOf(const QString &path);
// Label, id and sizes of the volume that holds the path.
Volume volumeInfo(const QString &path);

} // namespace oc::platform
