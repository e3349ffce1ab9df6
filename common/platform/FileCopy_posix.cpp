#include "FileCopy.h"

#include <QRandomGenerator>
#include <atomic>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace oc::platform {

namespace {

// Asks for the length, then for the bytes; asks again when they grew between.
template <class Read>
bool readSized(QByteArray &into, Read read, int &error)
{
    while (true) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0) {
            error = errno;
            return false;
        }
        into.resize(size);
        if (size == 0)
            return true;
        const ssize_t got = read(into.data(), size_t(size));
        if (got >= 0) {
            into.truncate(got);
            return true;
        }
        if (errno != ERANGE) {
            error = errno;
            return false;
        }
    }
}

bool unsupported(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP;
}

// By descriptor: no path to name.
bool failed(FileError *error, int code)
{
    return fail(error, FileError{code, {}});
}

// What the owner of a file may always set; losing it would change what the
// file is (its DOS attributes, who may read it).
bool mustBeKept(const QByteArray &name)
{
    return name.startsWith("user.") || name.startsWith("system.posix_acl_");
}

} // namespace

bool readExtendedAttributes(int fd, std::vector<ExtendedAttribute> &attributes, FileError *error)
{
    attributes.clear();
    QByteArray names;
    int code = 0;
    if (!readSized(
            names, [fd](char *buffer, size_t size) { return flistxattr(fd, buffer, size); }, code))
        return unsupported(code) || failed(error, code);
    for (const char *name = names.constData(); name < names.constData() + names.size(); name += std::strlen(name) + 1) {
        ExtendedAttribute attribute{QByteArray(name), {}};
        const auto read = [fd, name](char *buffer, size_t size) { return fgetxattr(fd, name, buffer, size); };
        if (!readSized(attribute.value, read, code)) {
            if (code == ENODATA)
                continue; // removed since it was listed
            return failed(error, code);
        }
        attributes.push_back(std::move(attribute));
    }
    return true;
}

bool writeExtendedAttributes(int fd, const std::vector<ExtendedAttribute> &attributes, FileError *error)
{
    for (const ExtendedAttribute &attribute : attributes) {
        if (fsetxattr(fd, attribute.name.constData(), attribute.value.constData(), size_t(attribute.value.size()), 0)
            == 0)
            continue;
        if (mustBeKept(attribute.name) && !unsupported(errno))
            return failed(error, errno);
    }
    return true;
}

bool forEachDataExtent(int fd, qint64 size, const std::function<bool(qint64, qint64)> &piece, FileError *error)
{
    qint64 offset = 0;
    while (offset < size) {
        const off_t data = lseek(fd, off_t(offset), SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO)
                return true; // a hole to the end
            if (errno == EINVAL || unsupported(errno)) {
                piece(offset, size - offset);
                return true;
            }
            return failed(error, errno);
        }
        if (data >= size)
            return true;
        const off_t hole = lseek(fd, data, SEEK_HOLE);
        if (hole < 0)
            return failed(error, errno);
        const qint64 end = std::min<qint64>(hole, size);
        if (!piece(data, end - data))
            return true;
        offset = end;
    }
    return true;
}

int openUnnamedFile(int directory, quint32 mode, FileError *error)
{
    const int fd = openat(directory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode_t(mode & 07777));
    if (fd < 0)
        failed(error, errno);
    return fd;
}

bool unnamedFilesUnsupported(int error)
{
    // EISDIR: a kernel that does not know the flag sees only O_DIRECTORY in it.
    return unsupported(error) || error == EISDIR || error == EINVAL;
}

bool nameUnnamedFile(int fd, int directory, const QByteArray &name, FileError *error)
{
    // By the descriptor alone is one step; it needs a privilege, and without
    // it the kernel answers ENOENT, which is then not asked again.
    static std::atomic<bool> byDescriptor = true;
    if (byDescriptor.load(std::memory_order_relaxed)) {
        if (linkat(fd, "", directory, name.constData(), AT_EMPTY_PATH) == 0)
            return true;
        if (errno != ENOENT)
            return failed(error, errno);
        byDescriptor.store(false, std::memory_order_relaxed);
    }
    const QByteArray byProc = "/proc/self/fd/" + QByteArray::number(fd);
    return linkat(AT_FDCWD, byProc.constData(), directory, name.constData(), AT_SYMLINK_FOLLOW) == 0
           || failed(error, errno);
}

QByteArray temporaryName(const QByteArray &prefix)
{
    return prefix + QByteArray::number(qint64(getpid())) + '-'
           + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

void removeStaleTemporaries(int directory, const QByteArray &prefix)
{
    const int fd = openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *stream = fd >= 0 ? fdopendir(fd) : nullptr;
    if (!stream) {
        if (fd >= 0)
            close(fd);
        return;
    }
    while (const dirent *entry = readdir(stream)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix) || entry->d_type == DT_DIR)
            continue;
        const QByteArray rest = name.mid(prefix.size());
        const qsizetype dash = rest.indexOf('-');
        bool number = false;
        const qint64 pid = dash > 0 ? rest.left(dash).toLongLong(&number) : 0;
        // Alive, or another user's (EPERM): not ours to remove.
        if (!number || pid <= 0 || kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        unlinkat(dirfd(stream), name.constData(), 0);
    }
    closedir(stream);
}

} // namespace oc::platform
