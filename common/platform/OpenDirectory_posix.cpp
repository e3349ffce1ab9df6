#include "OpenDirectory.h"

#include "Internal_posix.h"
#include "Names.h"
#include "Paths.h"

#include <QStringList>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oc::platform {

namespace {

qint64 nanoseconds(const struct timespec &czas)
{
    return qint64(czas.tv_sec) * 1000000000 + czas.tv_nsec;
}

// Opened only to look names up in it and to work on them: no read
// permission needed.
constexpr int Flags = O_PATH | O_DIRECTORY | O_CLOEXEC;

} // namespace

bool EntryStatus::unchangedSince(const EntryStatus &earlier) const
{
    return sameEntry(earlier) && kind == earlier.kind && size == earlier.size && modified == earlier.modified
           && changed == earlier.changed;
}

OpenDirectory::OpenDirectory(OpenDirectory &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path))
{}

OpenDirectory &OpenDirectory::operator=(OpenDirectory &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

OpenDirectory::~OpenDirectory()
{
    if (m_fd >= 0)
        close(m_fd);
}

OpenDirectory OpenDirectory::open(const QString &path, FileError *error)
{
    const int fd = ::open(encodeName(path).constData(), Flags);
    if (fd < 0) {
        fail(error, lastError(path));
        return {};
    }
    return OpenDirectory(fd, withoutSeparator(path));
}

OpenDirectory OpenDirectory::openBelow(const QString &path, qsizetype trusted, bool sameFileSystem, FileError *error)
{
    trusted = std::min(trusted, path.size());
    OpenDirectory directory = open(trusted > 0 ? path.left(trusted) : QStringLiteral("/"), error);
    if (!directory.isOpen())
        return {};
    const std::optional<EntryStatus> base = directory.status(error);
    if (!base)
        return {};
    for (const QString &name : path.mid(trusted).split(u'/', Qt::SkipEmptyParts)) {
        // ".." would climb out of the trusted directory without any link.
        if (name == u"." || name == u"..") {
            fail(error, FileError{EINVAL, path});
            return {};
        }
        OpenDirectory below = directory.child(encodeName(name), error);
        if (!below.isOpen())
            return {};
        if (sameFileSystem && below.status(error).value_or(EntryStatus{}).device != base->device) {
            fail(error, FileError{EXDEV, below.path()});
            return {};
        }
        directory = std::move(below);
    }
    return directory;
}

QString OpenDirectory::pathOf(const QByteArray &name) const
{
    return (m_path == u"/" ? m_path : m_path + u'/') + decodeName(name);
}

std::optional<EntryStatus> OpenDirectory::status(FileError *error) const
{
    struct stat info;
    if (fstat(m_fd, &info) != 0) {
        fail(error, lastError(m_path));
        return std::nullopt;
    }
    return posix::statusOf(info);
}

std::optional<EntryStatus> OpenDirectory::status(const QByteArray &name, FileError *error) const
{
    struct stat info;
    if (fstatat(m_fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        fail(error, lastError(pathOf(name)));
        return std::nullopt;
    }
    return posix::statusOf(info);
}

OpenDirectory OpenDirectory::child(const QByteArray &name, FileError *error) const
{
    const int fd = openat(m_fd, name.constData(), Flags | O_NOFOLLOW);
    if (fd < 0) {
        // A link in a directory's place reads as "not a directory".
        fail(error, FileError{errno == ELOOP ? ENOTDIR : errno, pathOf(name)});
        return {};
    }
    return OpenDirectory(fd, pathOf(name));
}

bool OpenDirectory::names(std::vector<QByteArray> &out, FileError *error) const
{
    const int fd = openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *stream = fd >= 0 ? fdopendir(fd) : nullptr;
    if (!stream) {
        const FileError why = lastError(m_path);
        if (fd >= 0)
            close(fd);
        return fail(error, why);
    }
    bool ok = true;
    while (true) {
        errno = 0;
        const dirent *entry = readdir(stream);
        if (!entry) {
            if (errno != 0)
                ok = fail(error, lastError(m_path));
            break;
        }
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        out.emplace_back(name);
    }
    closedir(stream);
    return ok;
}

namespace posix {

EntryStatus statusOf(const struct stat &info)
{
    EntryStatus status;
    switch (info.st_mode & S_IFMT) {
    case S_IFREG: status.kind = EntryStatus::Kind::File; break;
    case S_IFDIR: status.kind = EntryStatus::Kind::Directory; break;
    case S_IFLNK: status.kind = EntryStatus::Kind::Link; break;
    default: break;
    }
    status.device = quint64(info.st_dev);
    status.inode = quint64(info.st_ino);
    status.size = qint64(info.st_size);
    status.modified = nanoseconds(info.st_mtim);
    status.changed = nanoseconds(info.st_ctim);
    status.permissions = quint32(info.st_mode & 07777);
    return status;
}

} // namespace posix

} // namespace oc::platform
