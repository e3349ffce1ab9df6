#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <sys/stat.h>

namespace oc::platform::posix {

// The attribute bits of an entry from what the caller already has: its
// encoded path and name, its own lstat and, for a link, the stat of its
// target (nullptr when dangling). Shared by the listing and readAttributes
// so both say the same.
quint32 attributesOf(const char *path, const QByteArray &name, const struct stat &own, const struct stat *target);

// The last component of an encoded path, trailing "/" ignored.
QByteArray lastComponent(const QByteArray &path);

} // namespace oc::platform::posix
