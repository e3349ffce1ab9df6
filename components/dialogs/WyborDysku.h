#pragma once

#include <platform/Volumes.h>

#include <QList>
#include <QString>

namespace oc {

// The volumes the drive choice offers.
QList<platform::Volume> DyskiDoWyboru();

// The row of the volume `dysk` names, a mount point or a directory on it;
// the first row when none does.
int WierszDysku(const QList<platform::Volume> &dyski, const QString &dysk);

} // namespace oc
