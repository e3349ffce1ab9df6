#include "AppendFile.h"

#include "Internal_posix.h"
#include "Names.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace oc::platform {

AppendFile::AppendFile(int fd, QString path) : m_fd(fd), m_path(std::move(path))
{}

AppendFile::~AppendFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::unique_ptr<AppendFile> AppendFile::create(const QString &path, FileError *error)
{
    const QByteArray encoded = encodeName(path);
    const Deskryptor parent = posix::openParent(encoded);
    if (!parent.otwarty()) {
        fail(error, lastError(path));
        return nullptr;
    }
    const int fd = openat(parent.fd(), lastComponent(encoded).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        fail(error, lastError(path));
        return nullptr;
    }
    // The new name must outlast a crash as much as the bytes do.
    if (fsync(parent.fd()) != 0) {
        fail(error, lastError(path));
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<AppendFile>(new AppendFile(fd, path));
}

std::unique_ptr<AppendFile> AppendFile::open(const QString &path, FileError *error)
{
    const int fd = ::open(encodeName(path).constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        fail(error, lastError(path));
        return nullptr;
    }
    return std::unique_ptr<AppendFile>(new AppendFile(fd, path));
}

bool AppendFile::append(const QByteArray &bytes, FileError *error)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(error, lastError(m_path));
        done += n;
    }
    return true;
}

bool AppendFile::sync(FileError *error)
{
    if (fdatasync(m_fd) != 0)
        return fail(error, lastError(m_path));
    return true;
}

} // namespace oc::platform
