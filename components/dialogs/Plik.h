#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace oc {

// Up to bajtów first bytes of a regular file (a link to one counts), or
// nothing with the reason in powód. A directory, a named pipe or a device
// is never opened: reading a pipe could wait for ever.
std::optional<QByteArray> CzytajPoczątek(const QString &ścieżka, qint64 bajtów, QString &powód);

} // namespace oc
