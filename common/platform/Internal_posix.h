#pragma once

#include "Descriptor.h"
#include "Entries.h"
#include "OpenDirectory.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace oc::platform {

// A walk in hand: the directories open from the root down to the one being
// read, each with its name.
class Walk
{
public:
    explicit Walk(const QString &root) : m_root(root) {}
    ~Walk();
    Walk(const Walk &) = delete;
    Walk &operator=(const Walk &) = delete;

    // Reads the open directory fd (taken over) next, as the entry `name`
    // of the one read now; the error number when it cannot be read.
    int enter(int fd, QByteArrayView name);
    void leave();
    bool done() const { return m_levels.empty(); }
    DIR *reading() const { return m_levels.back(); }
    // The directory whose entries are visited now.
    int directory() const { return dirfd(m_levels.back()); }
    int depth() const { return int(m_levels.size()); }
    // The root as given, the names down to the directory read now, then name.
    QString pathOf(QByteArrayView name) const;

private:
    QString m_root;
    std::vector<DIR *> m_levels;
    std::vector<QByteArray> m_names; // below the root
};

} // namespace oc::platform

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

// The directory holding an encoded path, opened to work on its last
// component by name; the path's own links before that are followed.
Deskryptor openParent(const QByteArray &path);

// What lstat or fstatat said of an entry, as the platform's callers see it.
EntryStatus statusOf(const struct stat &info);
Identity identityOf(const struct stat &info);

// renameat2 with RENAME_NOREPLACE (errno EEXIST when the target is taken);
// 0 on success, -1 with errno set.
int renameNoReplace(int fromDir, const char *from, int toDir, const char *to);

} // namespace oc::platform::posix
