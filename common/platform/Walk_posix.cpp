#include "Walk.h"

#include "Internal_posix.h"
#include "Mount_posix.h"
#include "Names.h"
#include "Paths.h"
#include "Workers.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace oc::platform {

QString WalkEntry::name() const
{
    return decodeName(rawName.toByteArray());
}

QString WalkEntry::path() const
{
    return walk ? walk->pathOf(rawName) : name();
}

Walk::~Walk()
{
    while (!done())
        leave();
}

int Walk::enter(int fd, QByteArrayView name)
{
    DIR *dir = fdopendir(fd);
    if (!dir) {
        const int error = errno;
        close(fd);
        return error;
    }
    if (!m_levels.empty())
        m_names.emplace_back(name.toByteArray());
    m_levels.push_back(dir);
    return 0;
}

void Walk::leave()
{
    closedir(m_levels.back());
    m_levels.pop_back();
    if (!m_names.empty())
        m_names.pop_back();
}

QString Walk::pathOf(QByteArrayView name) const
{
    QByteArray relative;
    for (const QByteArray &part : m_names)
        relative += part + '/';
    relative += name;
    if (relative.endsWith('/'))
        relative.chop(1);
    return relative.isEmpty() ? m_root : withSeparator(m_root) + decodeName(relative);
}

namespace {

void report(const WalkControl &control, int code, const QString &path)
{
    if (control.failed)
        control.failed(FileError{code, path});
}

} // namespace

// A loop, not a recursion: only the open directories grow with the depth.
bool walkTree(const QString &root, const std::function<void(const WalkEntry &)> &visit, FileError *error,
              const WalkControl &control)
{
    QByteArray encoded = encodeName(root);
    if (!control.rootThroughLink)
        encoded = encodeName(withoutSeparator(root));
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (control.rootThroughLink ? 0 : O_NOFOLLOW);
    const int fd = open(encoded.constData(), flags);
    if (fd < 0)
        return fail(error, lastError(root));
    quint64 rootMount = 0;
    const bool mountKnown = posix::mountOf(fd, rootMount);
    Walk walk(root);
    if (const int code = walk.enter(fd, {}))
        return fail(error, FileError{code, root});

    WalkEntry entry;
    entry.walk = &walk;
    while (!walk.done()) {
        if (control.stop && control.stop->load(std::memory_order_relaxed))
            break;
        // readdir tells the end from an error only through errno.
        errno = 0;
        const dirent *item = readdir(walk.reading());
        if (!item) {
            if (errno != 0)
                report(control, errno, walk.pathOf({}));
            walk.leave();
            continue;
        }
        const char *name = item->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        entry.rawName = QByteArrayView(name, qsizetype(std::strlen(name)));
        entry.depth = walk.depth();
        entry.size = 0;
        entry.isLink = item->d_type == DT_LNK;
        entry.isDirectory = item->d_type == DT_DIR;
        entry.otherMount = false;
        if (item->d_type != DT_DIR) {
            struct stat info;
            if (fstatat(walk.directory(), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            entry.isDirectory = S_ISDIR(info.st_mode);
            entry.isLink = S_ISLNK(info.st_mode);
            if (!entry.isDirectory)
                entry.size = qint64(info.st_size);
        }
        int child = -1;
        int childError = 0;
        if (entry.isDirectory) {
            child = openat(walk.directory(), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            childError = errno;
            quint64 mount = 0;
            if (child >= 0 && mountKnown && posix::mountOf(child, mount) && mount != rootMount) {
                entry.otherMount = true;
                close(child);
                child = -1;
            }
        }
        visit(entry);
        if (!entry.isDirectory)
            continue;
        if (entry.otherMount)
            report(control, EXDEV, entry.path());
        else if (child < 0)
            report(control, childError, entry.path());
        else if (const int code = walk.enter(child, entry.rawName))
            report(control, code, entry.path());
    }
    return true;
}

namespace {

// A directory still to read: `name` in the directory open as parent, or
// parent itself when the name is empty.
struct Pending
{
    std::shared_ptr<const Deskryptor> parent;
    QByteArray name;
    QByteArray relative; // below the root, for reports
    int depth = 1;       // of its entries
};

struct ParallelWalk
{
    QString root;
    const std::function<void(const WalkEntry &, int)> &visit;
    const WalkControl &control;
    bool mountKnown = false;
    quint64 rootMount = 0;
    WorkQueue<Pending> queue;

    QString pathOf(const QByteArray &relative) const
    {
        return relative.isEmpty() ? root : withSeparator(root) + decodeName(relative);
    }

    void read(Pending &pending, int worker)
    {
        std::shared_ptr<const Deskryptor> directory = std::move(pending.parent);
        if (!pending.name.isEmpty()) {
            auto child = std::make_shared<Deskryptor>(
                openat(directory->fd(), pending.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            directory.reset();
            if (!child->otwarty()) {
                report(control, errno, pathOf(pending.relative));
                return;
            }
            quint64 mount = 0;
            if (mountKnown && posix::mountOf(child->fd(), mount) && mount != rootMount) {
                report(control, EXDEV, pathOf(pending.relative));
                return;
            }
            directory = std::move(child);
        }
        // The stream closes its own copy; the descriptor stays for the subdirectories.
        const int copy = dup(directory->fd());
        DIR *stream = copy >= 0 ? fdopendir(copy) : nullptr;
        if (!stream) {
            report(control, errno, pathOf(pending.relative));
            if (copy >= 0)
                close(copy);
            return;
        }
        WalkEntry entry;
        entry.depth = pending.depth;
        while (true) {
            if (control.stop && control.stop->load(std::memory_order_relaxed)) {
                queue.clear();
                break;
            }
            errno = 0;
            const dirent *item = readdir(stream);
            if (!item) {
                if (errno != 0)
                    report(control, errno, pathOf(pending.relative));
                break;
            }
            const char *name = item->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            entry.rawName = QByteArrayView(name, qsizetype(std::strlen(name)));
            entry.size = 0;
            entry.isLink = item->d_type == DT_LNK;
            entry.isDirectory = item->d_type == DT_DIR;
            if (item->d_type != DT_DIR) {
                struct stat info;
                if (fstatat(directory->fd(), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue; // gone since it was listed
                entry.isDirectory = S_ISDIR(info.st_mode);
                entry.isLink = S_ISLNK(info.st_mode);
                if (!entry.isDirectory)
                    entry.size = qint64(info.st_size);
            }
            visit(entry, worker);
            if (entry.isDirectory) {
                const QByteArray own(name);
                queue.add({directory, own, pending.relative.isEmpty() ? own : pending.relative + '/' + own,
                           pending.depth + 1});
            }
        }
        closedir(stream);
    }
};

} // namespace

bool walkTreeParallel(const QString &root, int workers, const std::function<void(const WalkEntry &, int worker)> &visit,
                      FileError *error, const WalkControl &control)
{
    const QByteArray encoded = encodeName(control.rootThroughLink ? root : withoutSeparator(root));
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (control.rootThroughLink ? 0 : O_NOFOLLOW);
    auto fd = std::make_shared<Deskryptor>(open(encoded.constData(), flags));
    if (!fd->otwarty())
        return fail(error, lastError(root));
    ParallelWalk walk{root, visit, control, false, 0, {}};
    walk.mountKnown = posix::mountOf(fd->fd(), walk.rootMount);
    walk.queue.add({std::move(fd), {}, {}, 1});
    runWorkers(std::max(workers, 1),
               [&walk](int worker) { walk.queue.work([&](Pending &pending) { walk.read(pending, worker); }); });
    return true;
}

} // namespace oc::platform
