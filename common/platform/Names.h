#pragma once

#include <QByteArray>
#include <QString>

namespace oc::platform {

// File-system bytes to text and back, reversibly: a byte that is not part
// of valid UTF-8 becomes the lone code unit U+DC00 + byte, and goes back to
// that byte on the way out.
QString decodeName(const QByteArray &bytes);
QByteArray encodeName(const QString &name);

// An encoded path split at its last "/", trailing ones ignored: the parent
// ("." when there is none, "/" for a top entry) and the last component.
QByteArray parentOf(const QByteArray &path);
QByteArray lastComponent(const QByteArray &path);

} // namespace oc::platform
