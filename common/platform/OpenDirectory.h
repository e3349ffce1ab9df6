#pragma once

#include "FileError.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace oc::platform {

// What the file system says of one entry itself (a link is not followed).
struct EntryStatus
{
    enum class Kind { File, Directory, Link, Other };

    Kind kind = Kind::Other;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;     // a link's own length
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // likewise: any change to the entry, its data or its bits
    quint32 permissions = 0;

    bool isDirectory() const { return kind == Kind::Directory; }
    bool sameEntry(const EntryStatus &other) const { return device == other.device && inode == other.inode; }
    // Nothing about it has changed since `earlier` was taken.
    bool unchangedSince(const EntryStatus &earlier) const;
};

// A directory held open: names are looked up in it, never through a link out
// of it, whatever happens to its path meanwhile.
class OpenDirectory
{
public:
    OpenDirectory() = default;
    OpenDirectory(OpenDirectory &&other) noexcept;
    OpenDirectory &operator=(OpenDirectory &&other) noexcept;
    ~OpenDirectory();

    // The directory at path, links in the path followed: the user named it.
    static OpenDirectory open(const QString &path, FileError *error = nullptr);
    // The directory at path: its first `trusted` characters as open() takes
    // them, each name after them never through a link; with
    // sameFileSystem, never into another mounted file system (EXDEV).
    static OpenDirectory openBelow(const QString &path, qsizetype trusted, bool sameFileSystem,
                                   FileError *error = nullptr);

    bool isOpen() const { return m_fd >= 0; }
    // As it was opened, without a trailing "/".
    const QString &path() const { return m_path; }
    QString pathOf(const QByteArray &name) const;

    // The directory itself.
    std::optional<EntryStatus> status(FileError *error = nullptr) const;
    // The entry `name` in it.
    std::optional<EntryStatus> status(const QByteArray &name, FileError *error = nullptr) const;
    // The subdirectory `name`, never through a link.
    OpenDirectory child(const QByteArray &name, FileError *error = nullptr) const;
    // Every name in it but "." and "..", in the file system's order; false
    // when reading stopped, the names read until then kept.
    bool names(std::vector<QByteArray> &out, FileError *error = nullptr) const;

    // For the rest of this layer.
    int descriptor() const { return m_fd; }

private:
    OpenDirectory(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}

    int m_fd = -1;
    QString m_path;
};

} // namespace oc::platform
