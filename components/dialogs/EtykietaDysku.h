#pragma once

#include "Wiersz.h"

#include <platform/Volumes.h>

namespace oc {

// The disk label window's rows for a volume: mount point, device, file
// system, label, serial number, size and free space.
QList<Wiersz> WierszeEtykiety(const platform::Volume &wolumin);
// Why the window offers no way to change the label.
QString UwagaEtykiety();
// The volume the window shows for `drive`, the root's when none is named.
platform::Volume WoluminEtykiety(const QString &drive);

} // namespace oc
