#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <sys/stat.h>

namespace oc::platform::posix {

// Reads the stored DOS attribute value of entries, following links (a link
// itself keeps no user attributes on Linux). Once the directory's file
// system says it keeps no extended attributes it is not asked again (a
// link's target may lie on another one, so links are always asked).
class DosAttributeReader
{
public:
    // The entry `name` of the directory open as dirFd whose path is
    // dirPath (ending with "/"); AT_FDCWD with an empty dirPath takes a
    // whole path as the name. 0 when nothing is stored.
    quint32 read(int dirFd, const QByteArray &dirPath, const char *name, bool throughLink);

private:
    bool m_unsupported = false;
};

// The attribute bits of an entry from its name, its own lstat, for a link
// the stat of its target (nullptr when dangling) and its stored DOS value.
// Shared by the listing and readAttributes so both say the same.
quint32 attributesOf(const QByteArray &name, const struct stat &own, const struct stat *target, quint32 stored);

// The last component of an encoded path, trailing "/" ignored.
QByteArray lastComponent(const QByteArray &path);

} // namespace oc::platform::posix
