#include "Trash.h"

#include "Internal_posix.h"
#include "Names.h"

#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

// QFile::moveToTrash is not used: it loses names that are not UTF-8, keeps
// no directorysizes, and says neither why it failed nor where the entry went.

namespace oc::platform {

namespace {

const QByteArray sizesName = QByteArrayLiteral("directorysizes");

// Sets *error when asked for; nothing to return.
std::nullopt_t problem(TrashError *error, TrashProblem kind, const QByteArray &path, int code = 0)
{
    if (error)
        *error = TrashError{kind, FileError{code, decodeName(path)}};
    return std::nullopt;
}

std::nullopt_t failed(TrashError *error, const QByteArray &path)
{
    return problem(error, TrashProblem::Failed, path, errno);
}

QByteArray joined(const QByteArray &directory, const QByteArray &name)
{
    return directory.endsWith('/') ? directory + name : directory + '/' + name;
}

QByteArray homeTrash()
{
    return encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) + "/Trash";
}

QByteArray canonical(const QByteArray &path)
{
    char *resolved = realpath(path.constData(), nullptr);
    if (!resolved)
        return {};
    QByteArray out(resolved);
    std::free(resolved);
    return out;
}

// The nearest part of the path that exists: the trash may not be made yet.
QByteArray nearestExisting(QByteArray path, struct stat &st)
{
    while (stat(path.constData(), &st) != 0) {
        if (path == "/")
            return {};
        path = parentOf(path);
    }
    return path;
}

// The highest directory above dir on the same device.
QByteArray topdirOf(QByteArray dir, dev_t device)
{
    while (dir != "/") {
        const QByteArray up = parentOf(dir);
        struct stat st;
        if (stat(up.constData(), &st) != 0 || st.st_dev != device)
            break;
        dir = up;
    }
    return dir;
}

bool readOnly(int fd)
{
    struct statfs fs;
    return fstatfs(fd, &fs) == 0 && (fs.f_flags & ST_RDONLY);
}

QByteArray unescapeMount(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

QByteArray readAll(int fd)
{
    QByteArray all;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return all;
        all.append(buffer, n);
    }
}

// A directory holding a mount point would carry that file system into the
// trash with it.
bool holdsMount(const QByteArray &directory)
{
    const Deskryptor mounts(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC));
    if (!mounts.otwarty())
        return false;
    const QByteArray prefix = joined(directory, {});
    for (const QByteArray &line : readAll(mounts.fd()).split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        const QByteArray point = unescapeMount(fields[4]);
        if (point == directory || point.startsWith(prefix))
            return true;
    }
    return false;
}

// name in dir is the user's own real directory (made 0700 when missing and
// create is set; when not set, it could be made).
bool ownDirectory(int dir, const QByteArray &name, unsigned uid, bool create)
{
    struct stat st;
    if (fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            return false;
        if (!create)
            return faccessat(dir, ".", W_OK | X_OK, AT_EACCESS) == 0 && !readOnly(dir);
        if (mkdirat(dir, name.constData(), 0700) != 0 && errno != EEXIST)
            return false;
        if (fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
    }
    return S_ISDIR(st.st_mode) && st.st_uid == uid;
}

bool makePath(const QByteArray &path)
{
    struct stat st;
    if (stat(path.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) || (errno = ENOTDIR, false);
    if (errno != ENOENT || path == "/")
        return false;
    return makePath(parentOf(path)) && (mkdir(path.constData(), 0700) == 0 || errno == EEXIST);
}

std::optional<TrashPlace> homePlace(bool create, TrashError *error)
{
    const QByteArray home = homeTrash();
    if (create) {
        if (!makePath(home))
            return problem(error, TrashProblem::NoTrash, home, errno);
    } else {
        struct stat st;
        const QByteArray existing = nearestExisting(home, st);
        if (existing.isEmpty() || !S_ISDIR(st.st_mode) || access(existing.constData(), W_OK | X_OK) != 0)
            return problem(error, TrashProblem::NoTrash, home, EACCES);
    }
    return TrashPlace{decodeName(home), {}};
}

// The trash for entries of the directory open as dir, whose real path is
// given.
std::optional<TrashPlace> placeFor(int dir, const QByteArray &real, bool create, TrashError *error)
{
    if (readOnly(dir))
        return problem(error, TrashProblem::ReadOnly, real, EROFS);
    struct stat own, home;
    if (fstat(dir, &own) != 0)
        return failed(error, real);
    if (!nearestExisting(homeTrash(), home).isEmpty() && home.st_dev == own.st_dev)
        return homePlace(create, error);
    return topdirTrash(decodeName(topdirOf(real, own.st_dev)), unsigned(geteuid()), create, error);
}

bool subdirectories(const QByteArray &trash)
{
    for (const char *sub : {"/files", "/info"})
        if (mkdir((trash + sub).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    return true;
}

// Rewrites directorysizes without the line for `name`, with `line` added
// when given; written beside and renamed over, as readers expect.
void rewriteSizes(int trash, const QByteArray &name, const QByteArray &line)
{
    QByteArray kept;
    const Deskryptor old(openat(trash, sizesName.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (old.otwarty())
        for (const QByteArray &entry : readAll(old.fd()).split('\n')) {
            const QList<QByteArray> fields = entry.split(' ');
            if (!entry.isEmpty() && !(fields.size() == 3 && fields[2] == percentEncode(name)))
                kept += entry + '\n';
        }
    if (!old.otwarty() && line.isEmpty())
        return;
    const QByteArray temporary = sizesName + '.' + QByteArray::number(qint64(getpid()));
    const Deskryptor out(
        openat(trash, temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out.otwarty())
        return;
    const QByteArray all = kept + line;
    if (write(out.fd(), all.constData(), size_t(all.size())) != ssize_t(all.size())
        || renameat(trash, temporary.constData(), trash, sizesName.constData()) != 0)
        unlinkat(trash, temporary.constData(), 0);
}

// The disk space of a tree as du counts it, while it holds at most `budget`
// more entries; false past that.
bool diskUsage(int dir, qint64 &bytes, int &budget)
{
    DIR *listing = fdopendir(dir);
    if (!listing) {
        ::close(dir);
        return false;
    }
    bool whole = true;
    while (const dirent *item = readdir(listing)) {
        const char *name = item->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        struct stat st;
        if (--budget < 0) {
            whole = false;
            break;
        }
        if (fstatat(dirfd(listing), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        bytes += qint64(st.st_blocks) * 512;
        if (S_ISDIR(st.st_mode)) {
            const int child = openat(dirfd(listing), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0 && !diskUsage(child, bytes, budget)) {
                whole = false;
                break;
            }
        }
    }
    closedir(listing);
    return whole;
}

// The line readers of the trash use instead of counting a directory
// themselves. A tree too large to count at once gets none: they count it
// when they need it, and trashing it stays one rename.
void recordSize(const QByteArray &trash, const QByteArray &name, int info, const QByteArray &infoName)
{
    constexpr int Budget = 10000;
    qint64 bytes = 0;
    int budget = Budget;
    const int top = ::open(joined(trash + "/files", name).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat own;
    if (top >= 0 && fstat(top, &own) == 0)
        bytes = qint64(own.st_blocks) * 512;
    if (top < 0 || !diskUsage(top, bytes, budget))
        return;
    struct stat st;
    if (fstatat(info, infoName.constData(), &st, 0) != 0)
        return;
    const Deskryptor dir(::open(trash.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.otwarty())
        rewriteSizes(dir.fd(), name,
                     QByteArray::number(bytes) + ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + ' '
                         + percentEncode(name) + '\n');
}

bool writeAll(int fd, const QByteArray &bytes)
{
    return write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
}

} // namespace

std::optional<TrashPlace> topdirTrash(const QString &topdir, unsigned uid, bool create, TrashError *error)
{
    const QByteArray top = encodeName(topdir);
    const Deskryptor dir(::open(top.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.otwarty())
        return failed(error, top);
    const QByteArray user = QByteArray::number(uid);
    struct stat shared;
    if (fstatat(dir.fd(), ".Trash", &shared, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(shared.st_mode)
        && (shared.st_mode & S_ISVTX)) {
        const Deskryptor trash(openat(dir.fd(), ".Trash", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (trash.otwarty() && ownDirectory(trash.fd(), user, uid, create))
            return TrashPlace{decodeName(joined(top, ".Trash/" + user)), topdir};
    }
    if (ownDirectory(dir.fd(), ".Trash-" + user, uid, create))
        return TrashPlace{decodeName(joined(top, ".Trash-" + user)), topdir};
    return problem(error, TrashProblem::NoTrash, top, errno);
}

std::optional<TrashPlace> trashFor(const QString &directory, TrashError *error)
{
    const QByteArray encoded = encodeName(directory);
    const Deskryptor dir(::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const QByteArray real = canonical(encoded);
    if (!dir.otwarty() || real.isEmpty())
        return failed(error, encoded);
    return placeFor(dir.fd(), real, false, error);
}

std::optional<TrashedEntry> moveToTrash(const QString &path, TrashError *error, const QString &original)
{
    const QByteArray encoded = encodeName(path);
    const QByteArray name = lastComponent(encoded);
    const QByteArray restored = original.isEmpty() ? encoded : encodeName(original);
    const QByteArray shownName = lastComponent(restored);
    const Deskryptor parent = posix::openParent(encoded);
    const QByteArray realParent = canonical(parentOf(restored));
    if (name.isEmpty() || name == "." || name == ".." || name == "/")
        return problem(error, TrashProblem::Failed, encoded, EINVAL);
    if (!parent.otwarty() || realParent.isEmpty())
        return failed(error, encoded);
    struct stat st;
    if (fstatat(parent.fd(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return failed(error, encoded);
    const QByteArray real = joined(realParent, shownName);
    if (S_ISDIR(st.st_mode) && holdsMount(real))
        return problem(error, TrashProblem::HoldsMount, encoded, EBUSY);
    const std::optional<TrashPlace> place = placeFor(parent.fd(), realParent, true, error);
    if (!place)
        return std::nullopt;
    const QByteArray trash = encodeName(place->directory);
    if (!subdirectories(trash))
        return failed(error, trash);
    const Deskryptor files(::open((trash + "/files").constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    const Deskryptor info(::open((trash + "/info").constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!files.otwarty() || !info.otwarty())
        return failed(error, trash);

    const QByteArray top = encodeName(place->topdir);
    const QByteArray shown = top.isEmpty() ? real : real.mid(top == "/" ? 1 : top.size() + 1);
    const QByteArray text = trashInfoText(shown, QDateTime::currentDateTime());
    for (int attempt = 1; attempt <= 100000; ++attempt) {
        const QByteArray candidate = trashName(shownName, attempt);
        const QByteArray infoName = candidate + ".trashinfo";
        const int fd
            = openat(info.fd(), infoName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return failed(error, joined(trash + "/info", infoName));
        const bool written = writeAll(fd, text);
        const int writeError = errno;
        const bool closed = ::close(fd) == 0;
        if (!written || !closed) {
            const int code = written ? errno : writeError;
            unlinkat(info.fd(), infoName.constData(), 0);
            errno = code;
            return failed(error, joined(trash + "/info", infoName));
        }
        if (posix::renameNoReplace(parent.fd(), name.constData(), files.fd(), candidate.constData()) != 0) {
            const int code = errno;
            unlinkat(info.fd(), infoName.constData(), 0);
            if (code == EEXIST)
                continue;
            if (code == EXDEV)
                return problem(error, TrashProblem::OtherFileSystem, encoded, code);
            errno = code;
            return failed(error, encoded);
        }
        if (S_ISDIR(st.st_mode))
            recordSize(trash, candidate, info.fd(), infoName);
        return TrashedEntry{original.isEmpty() ? path : original, decodeName(joined(trash + "/files", candidate)),
                            decodeName(joined(trash + "/info", infoName))};
    }
    return problem(error, TrashProblem::Failed, encoded, EEXIST);
}

bool restoreFromTrash(const TrashedEntry &entry, const QString &target, FileError *error)
{
    const QByteArray file = encodeName(entry.file), to = encodeName(target);
    const Deskryptor from = posix::openParent(file);
    const Deskryptor into = posix::openParent(to);
    if (!from.otwarty())
        return fail(error, lastError(entry.file));
    if (!into.otwarty())
        return fail(error, lastError(target));
    if (posix::renameNoReplace(from.fd(), lastComponent(file).constData(), into.fd(), lastComponent(to).constData())
        != 0)
        return fail(error, lastError(errno == EEXIST ? target : entry.file));
    unlink(encodeName(entry.info).constData());
    const QByteArray trash = parentOf(parentOf(file));
    const Deskryptor dir(::open(trash.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.otwarty())
        rewriteSizes(dir.fd(), lastComponent(file), {});
    return true;
}

} // namespace oc::platform
