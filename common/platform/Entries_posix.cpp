#include "Entries.h"

#include "Internal_posix.h"
#include "Names.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oc::platform {

namespace posix {

Deskryptor openParent(const QByteArray &path)
{
    return Deskryptor(::open(parentOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

int renameNoReplace(int fromDir, const char *from, int toDir, const char *to)
{
    if (renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return -1;
    // A file system that does not know the flag. A second name never
    // replaces anything, so where it can be made the promise holds.
    if (linkat(fromDir, from, toDir, to, 0) == 0) {
        if (unlinkat(fromDir, from, 0) == 0)
            return 0;
        const int code = errno;
        unlinkat(toDir, to, 0);
        errno = code;
        return -1;
    }
    if (errno == EEXIST)
        return -1;
    // A directory, or no second names here: look, then rename. The window
    // between the two is as small as it gets there.
    struct stat st;
    if (fstatat(toDir, to, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    if (errno != ENOENT)
        return -1;
    return renameat(fromDir, from, toDir, to);
}

} // namespace posix

Identity posix::identityOf(const struct stat &info)
{
    Identity id;
    id.device = quint64(info.st_dev);
    id.inode = quint64(info.st_ino);
    id.size = qint64(info.st_size);
    id.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    id.directory = S_ISDIR(info.st_mode);
    return id;
}

std::optional<Identity> identityOf(const QString &path)
{
    struct stat st;
    if (lstat(encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return posix::identityOf(st);
}

bool renameNoReplace(const QString &from, const QString &to, FileError *error)
{
    const QByteArray a = encodeName(from), b = encodeName(to);
    const Deskryptor fromDir = posix::openParent(a);
    if (!fromDir.otwarty())
        return fail(error, lastError(from));
    const Deskryptor toDir = posix::openParent(b);
    if (!toDir.otwarty())
        return fail(error, lastError(to));
    if (posix::renameNoReplace(fromDir.fd(), lastComponent(a).constData(), toDir.fd(), lastComponent(b).constData())
        != 0)
        return fail(error, lastError(errno == EEXIST ? to : from));
    return true;
}

bool removeFile(const QString &path, FileError *error)
{
    const QByteArray encoded = encodeName(path);
    const Deskryptor dir = posix::openParent(encoded);
    if (!dir.otwarty() || unlinkat(dir.fd(), lastComponent(encoded).constData(), 0) != 0)
        return fail(error, lastError(path));
    return true;
}

bool removeEmptyDirectory(const QString &path, FileError *error)
{
    const QByteArray encoded = encodeName(path);
    const Deskryptor dir = posix::openParent(encoded);
    if (!dir.otwarty() || unlinkat(dir.fd(), lastComponent(encoded).constData(), AT_REMOVEDIR) != 0)
        return fail(error, lastError(path));
    return true;
}

} // namespace oc::platform
