#include "ReadOnlyFile.h"

#include "Names.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oc::platform {

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ReadOnlyFile::open(const QString &path, FileError *error)
{
    // Without O_NONBLOCK opening a pipe would wait for a writer.
    const int fd = ::open(encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, lastError(path));
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const FileError why = lastError(path);
        ::close(fd);
        return fail(error, why);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        m_kind = S_ISDIR(st.st_mode) ? Kind::Directory : Kind::Other;
        return fail(error, FileError{m_kind == Kind::Directory ? EISDIR : ENODEV, path});
    }
    m_kind = Kind::Regular;
    m_fd = fd;
    return true;
}

qint64 ReadOnlyFile::currentSize() const
{
    struct stat st;
    if (m_fd < 0 || fstat(m_fd, &st) != 0)
        return -1;
    return qint64(st.st_size);
}

qint64 ReadOnlyFile::read(qint64 offset, char *buffer, qint64 length) const
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t got = pread(m_fd, buffer + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

} // namespace oc::platform
