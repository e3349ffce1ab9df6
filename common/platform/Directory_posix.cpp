#include "Directory.h"
#include "FileError.h"
#include "Paths.h"

#include "Internal_posix.h"
#include "Names.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace oc::platform {

namespace {

// Local times without asking the C library once per entry (it checks the
// zone file on every conversion). The local offset is looked up once per
// quarter of an hour, the finest step at which any zone changes it.
class LocalTimes
{
public:
    QDateTime of(const struct stat &st)
    {
        const qint64 ms = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        const qint64 quarter = ms >= 0 ? ms / quarterMs : (ms - quarterMs + 1) / quarterMs;
        if (!m_known || quarter != m_quarter) {
            m_quarter = quarter;
            m_offset = QDateTime::fromMSecsSinceEpoch(quarter * quarterMs, Qt::LocalTime).offsetFromUtc();
            m_known = true;
        }
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, m_offset);
    }

private:
    static constexpr qint64 quarterMs = 15 * 60 * 1000;
    bool m_known = false;
    qint64 m_quarter = 0;
    int m_offset = 0;
};

// Fills an entry from its own lstat and, for a link, its target's stat
// (nullptr when the link dangles). A link shows its target's size and time.
EntryInfo makeEntry(const QByteArray &name, const struct stat &own, const struct stat *target, quint32 stored,
                    LocalTimes &times)
{
    EntryInfo entry;
    entry.name = decodeName(name);
    entry.isLink = S_ISLNK(own.st_mode);
    const struct stat &shown = entry.isLink && target ? *target : own;
    entry.isDirectory = S_ISDIR(shown.st_mode);
    entry.size = entry.isDirectory ? 0 : qint64(shown.st_size);
    entry.modified = times.of(shown);
    entry.attributes = posix::attributesOf(name, own, target, stored);
    entry.permissions = quint16(shown.st_mode & 07777);
    return entry;
}

// Case-insensitive first, then exact, so names differing only in case keep a
// fixed order.
void sortByName(std::vector<EntryInfo> &entries)
{
    std::vector<std::pair<QString, qsizetype>> keys;
    keys.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        keys.emplace_back(entries[i].name.toCaseFolded(), qsizetype(i));
    std::sort(keys.begin(), keys.end(), [&](const auto &a, const auto &b) {
        const int folded = a.first.compare(b.first);
        if (folded != 0)
            return folded < 0;
        return entries[a.second].name < entries[b.second].name;
    });
    std::vector<EntryInfo> sorted;
    sorted.reserve(entries.size());
    for (const auto &key : keys)
        sorted.push_back(std::move(entries[key.second]));
    entries = std::move(sorted);
}

// Stats names [from, to) of the open directory into dirs and files. Entries
// that vanished since readdir are simply not listed.
void describe(int fd, const QByteArray &base, const std::vector<QByteArray> &names, size_t from, size_t to,
              DirectoryListing &out)
{
    posix::DosAttributeReader dosAttributes;
    LocalTimes times;
    for (size_t i = from; i < to; ++i) {
        const char *raw = names[i].constData();
        struct stat own;
        if (fstatat(fd, raw, &own, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        struct stat target;
        const bool resolved = S_ISLNK(own.st_mode) && fstatat(fd, raw, &target, 0) == 0;
        const bool dangling = S_ISLNK(own.st_mode) && !resolved;
        const quint32 stored = dangling ? 0 : dosAttributes.read(fd, base, raw, S_ISLNK(own.st_mode));
        EntryInfo entry = makeEntry(names[i], own, resolved ? &target : nullptr, stored, times);
        (entry.isDirectory ? out.directories : out.files).push_back(std::move(entry));
    }
}

template <class T>
void append(std::vector<T> &to, std::vector<T> &from)
{
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

DirectoryListing readDirectory(const QString &path, bool byName)
{
    DirectoryListing listing;
    QByteArray base = encodeName(path);
    DIR *dir = opendir(base.constData());
    if (!dir) {
        listing.error = lastError(path);
        return listing;
    }
    if (!base.endsWith('/'))
        base.append('/');
    std::vector<QByteArray> names;
    int readFailed = 0;
    for (;;) {
        // readdir tells the end from an error only through errno.
        errno = 0;
        const dirent *item = readdir(dir);
        if (!item) {
            readFailed = errno;
            break;
        }
        const char *raw = item->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        names.emplace_back(raw);
    }
    if (readFailed) {
        closedir(dir);
        listing.error = FileError{readFailed, path};
        return listing;
    }

    // The time goes into one stat and one attribute read per entry; a large
    // directory spreads them over the cores, and the call returns when all
    // are done, like any other.
    const int fd = dirfd(dir);
    constexpr size_t entriesPerWorker = 8192;
    const size_t workers = std::clamp<size_t>(names.size() / entriesPerWorker, 1,
                                              std::max(1u, std::min(4u, std::thread::hardware_concurrency())));
    std::vector<DirectoryListing> parts(workers);
    std::vector<std::thread> threads;
    const size_t share = (names.size() + workers - 1) / workers;
    for (size_t w = 1; w < workers; ++w)
        threads.emplace_back(describe, fd, std::cref(base), std::cref(names), std::min(names.size(), w * share),
                             std::min(names.size(), (w + 1) * share), std::ref(parts[w]));
    describe(fd, base, names, 0, std::min(names.size(), share), parts[0]);
    for (std::thread &thread : threads)
        thread.join();
    closedir(dir);

    listing = std::move(parts[0]);
    for (size_t w = 1; w < workers; ++w) {
        append(listing.directories, parts[w].directories);
        append(listing.files, parts[w].files);
    }
    if (byName) {
        sortByName(listing.directories);
        sortByName(listing.files);
    }
    listing.ok = true;
    return listing;
}

std::optional<EntryInfo> entryInfo(const QString &path)
{
    const QByteArray encoded = encodeName(path);
    struct stat own;
    if (lstat(encoded.constData(), &own) != 0)
        return std::nullopt;
    struct stat target;
    const bool resolved = S_ISLNK(own.st_mode) && stat(encoded.constData(), &target) == 0;
    const bool dangling = S_ISLNK(own.st_mode) && !resolved;
    const quint32 stored = dangling ? 0 : posix::DosAttributeReader().read(AT_FDCWD, {}, encoded.constData(), false);
    LocalTimes times;
    return makeEntry(lastComponent(encoded), own, resolved ? &target : nullptr, stored, times);
}

bool isDirectory(const QString &path)
{
    struct stat st;
    return stat(encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// "A file" to callers is anything that exists and is not a directory
// (devices, sockets and dangling links included).
bool fileExists(const QString &path)
{
    const QByteArray encoded = encodeName(path);
    struct stat st;
    if (stat(encoded.constData(), &st) == 0)
        return !S_ISDIR(st.st_mode);
    return lstat(encoded.constData(), &st) == 0;
}

bool canEnter(const QString &path, FileError *error)
{
    const QByteArray encoded = encodeName(path);
    DIR *dir = opendir(encoded.constData());
    if (!dir)
        return fail(error, lastError(path));
    closedir(dir);
    return access(encoded.constData(), X_OK) == 0 || fail(error, lastError(path));
}

bool makeDirectory(const QString &parent, const QString &name, FileError *error)
{
    const QString path = withSeparator(parent) + name;
    const int fd = open(encodeName(parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, lastError(parent));
    const int result = mkdirat(fd, encodeName(name).constData(), 0777);
    const FileError why = lastError(path);
    close(fd);
    return result == 0 || fail(error, why);
}

} // namespace oc::platform
