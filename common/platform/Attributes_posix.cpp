#include "Attributes.h"
#include "Directory.h"
#include "FileError.h"

#include "Internal_posix.h"
#include "Names.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <linux/types.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

// getxattrat (Linux 6.13) reads relative to a directory descriptor, which
// spares a listing the lookup of the whole path per entry. Older C
// libraries do not know its number yet; it is the same on every
// architecture that uses the common table.
#if !defined(SYS_getxattrat) && (defined(__x86_64__) || defined(__aarch64__) || defined(__riscv))
#define SYS_getxattrat 464
#endif

namespace oc::platform {

namespace {

// The name Samba and friends keep the DOS attributes under.
constexpr char dosAttributeName[] = "user.DOSATTRIB";
constexpr quint32 storedBits = attr::Hidden | attr::System | attr::Archive;
constexpr mode_t writeBits = S_IWUSR | S_IWGRP | S_IWOTH;

// Accepts the plain text form "0x20" and the binary form, which begins with
// the same text ended by a NUL.
quint32 parseDosAttribute(const char *data, ssize_t size)
{
    QByteArray text(data, size);
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    text = text.trimmed();
    if (!text.startsWith("0x") && !text.startsWith("0X"))
        return 0;
    bool ok = false;
    const uint value = text.mid(2).toUInt(&ok, 16);
    return ok ? value : 0;
}

quint32 storedAttributes(const char *path)
{
    char buffer[256];
    const ssize_t size = getxattr(path, dosAttributeName, buffer, sizeof buffer);
    if (size <= 0)
        return 0;
    return parseDosAttribute(buffer, size);
}

#ifdef SYS_getxattrat
struct XattrArguments
{
    __u64 value;
    __u32 size;
    __u32 flags;
};

std::atomic<bool> getxattratMissing{false};
#endif

// Keeps the stored bits this program does not manage (read-only lives in the
// permissions, the rest belongs to whoever wrote them).
bool writeStoredAttributes(const char *path, quint32 ours)
{
    const quint32 current = storedAttributes(path);
    const quint32 bits = (current & ~(storedBits | attr::ReadOnly)) | ours;
    if (bits == current)
        return true;
    if (bits == 0) {
        if (removexattr(path, dosAttributeName) == 0)
            return true;
        // Nothing stored, or nowhere to store it: both mean "all clear".
        return errno == ENODATA || errno == ENOTSUP;
    }
    const QByteArray text = "0x" + QByteArray::number(bits, 16);
    return setxattr(path, dosAttributeName, text.constData(), size_t(text.size()), 0) == 0;
}

// Writes to the file the system finds at target, whose stat is st and
// whose own name is name; failures are told with path.
bool writeTo(const char *target, const struct stat &st, const QByteArray &name, quint32 attributes, const QString &path,
             FileError *error)
{
    mode_t mode = st.st_mode & 07777;
    if (attributes & attr::ReadOnly)
        mode &= ~writeBits;
    else if ((mode & writeBits) == 0)
        mode |= S_IWUSR;
    if (mode != (st.st_mode & 07777) && chmod(target, mode) != 0)
        return fail(error, lastError(path));

    quint32 stored = attributes & storedBits;
    // A dot name is hidden by its name; the stored bit is only needed
    // without one, and a dot name cannot be made visible without renaming.
    if (name.startsWith('.')) {
        if (!(attributes & attr::Hidden))
            return fail(error, FileError{EPERM, path});
        stored &= ~quint32(attr::Hidden);
    }
    if (!writeStoredAttributes(target, stored))
        return fail(error, lastError(path));
    return true;
}

} // namespace

namespace posix {

quint32 DosAttributeReader::read(int dirFd, const QByteArray &dirPath, const char *name, bool throughLink)
{
    if (m_unsupported && !throughLink)
        return 0;
    char buffer[256];
    ssize_t size = -1;
    bool done = false;
#ifdef SYS_getxattrat
    if (!getxattratMissing.load(std::memory_order_relaxed)) {
        XattrArguments arguments{__u64(quintptr(buffer)), __u32(sizeof buffer), 0};
        size = ssize_t(syscall(SYS_getxattrat, dirFd, name, 0, dosAttributeName, &arguments, sizeof arguments));
        if (size < 0 && errno == ENOSYS)
            getxattratMissing.store(true, std::memory_order_relaxed);
        else
            done = true;
    }
#endif
    if (!done)
        size = getxattr((dirPath + name).constData(), dosAttributeName, buffer, sizeof buffer);
    if (size <= 0) {
        if (size < 0 && errno == ENOTSUP && !throughLink)
            m_unsupported = true;
        return 0;
    }
    return parseDosAttribute(buffer, size);
}

quint32 attributesOf(const QByteArray &name, const struct stat &own, const struct stat *target, quint32 stored)
{
    const bool isLink = S_ISLNK(own.st_mode);
    quint32 bits = stored & storedBits;
    const struct stat &permissions = isLink && target ? *target : own;
    if ((permissions.st_mode & writeBits) == 0)
        bits |= attr::ReadOnly;
    if (name.startsWith('.') && name != "." && name != "..")
        bits |= attr::Hidden;
    if (S_ISDIR(own.st_mode))
        bits |= attr::Directory;
    return bits;
}

} // namespace posix

std::optional<quint32> readAttributes(const QString &path)
{
    if (const std::optional<EntryInfo> entry = entryInfo(path))
        return entry->attributes;
    return std::nullopt;
}

bool writeAttributes(const QString &path, quint32 attributes, FileError *error)
{
    const QByteArray encoded = encodeName(path);
    struct stat st;
    if (stat(encoded.constData(), &st) != 0)
        return fail(error, lastError(path));
    return writeTo(encoded.constData(), st, lastComponent(encoded), attributes, path, error);
}

bool writeAttributes(const WalkEntry &entry, quint32 attributes, FileError *error)
{
    const QByteArray name = entry.rawName.toByteArray();
    const int fd = openat(entry.walk->directory(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) {
        const int code = errno;
        if (fd >= 0)
            close(fd);
        return fail(error, FileError{code, entry.path()});
    }
    bool written = true;
    if (!S_ISLNK(st.st_mode)) {
        // The descriptor's own name under /proc leads to this very file
        // whatever its names lead to now (without /proc the write fails).
        const QByteArray handle = "/proc/self/fd/" + QByteArray::number(fd);
        written = writeTo(handle.constData(), st, name, attributes, entry.path(), error);
    }
    close(fd);
    return written;
}

} // namespace oc::platform
