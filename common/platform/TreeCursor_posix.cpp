#include "TreeCursor.h"

#include "Internal_posix.h"
#include "Mount_posix.h"
#include "Names.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oc::platform {

namespace {

bool failed(FileError *error, int code, const QByteArray &name = {})
{
    return fail(error, FileError{code, decodeName(name)});
}

} // namespace

TreeCursor::TreeCursor(std::vector<TreeDirectory> &tree) : m_tree(tree)
{}

TreeCursor::~TreeCursor()
{
    if (m_fd >= 0 && m_fd != m_root)
        close(m_fd);
    if (m_root >= 0)
        close(m_root);
}

bool TreeCursor::openRoot(const OpenDirectory &parent, const QByteArray &name, FileError *error)
{
    const int fd = openat(parent.descriptor(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return failed(error, errno, name);
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const int code = errno;
        close(fd);
        return failed(error, code, name);
    }
    // A second cursor on the tree finds the root the first one recorded.
    TreeDirectory &root = m_tree[0];
    if (root.inode == 0) {
        root.device = st.st_dev;
        root.inode = st.st_ino;
    } else if (quint64(st.st_dev) != root.device || quint64(st.st_ino) != root.inode) {
        close(fd);
        return failed(error, ENOENT, name);
    }
    m_mountKnown = posix::mountOf(fd, m_mount);
    m_root = m_fd = fd;
    m_node = 0;
    return true;
}

bool TreeCursor::goTo(qsizetype target, FileError *error)
{
    const qsizetype common = pathTo(m_node, target);
    while (m_node != common)
        if (!up()) {
            toRoot();
            pathTo(0, target);
            break;
        }
    for (auto step = m_path.rbegin(); step != m_path.rend(); ++step)
        if (!down(*step, error))
            return false;
    return true;
}

bool TreeCursor::read(std::vector<TreeEntry> &entries, FileError *error) const
{
    const int own = openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *directory = own >= 0 ? fdopendir(own) : nullptr;
    if (!directory) {
        const int code = errno;
        if (own >= 0)
            close(own);
        return failed(error, code);
    }
    for (;;) {
        // Only readdir's own failure may be left in errno when it ends.
        errno = 0;
        const dirent *entry = readdir(directory);
        if (!entry)
            break;
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st;
            if (fstatat(dirfd(directory), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            isDirectory = S_ISDIR(st.st_mode);
        }
        entries.push_back({QByteArray(name), isDirectory});
    }
    const int code = errno;
    closedir(directory);
    return code == 0 || failed(error, code);
}

std::optional<EntryStatus> TreeCursor::status(const QByteArray &name, FileError *error) const
{
    struct stat st;
    if (fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        failed(error, errno, name);
        return std::nullopt;
    }
    return posix::statusOf(st);
}

// Steps between neighbours cost no more than the distance, however deep
// the tree is.
qsizetype TreeCursor::pathTo(qsizetype from, qsizetype target)
{
    const auto depth = [this](qsizetype n) { return m_tree[n].depth; };
    m_path.clear();
    while (depth(target) > depth(from)) {
        m_path.push_back(target);
        target = m_tree[target].parent;
    }
    while (depth(from) > depth(target))
        from = m_tree[from].parent;
    while (from != target) {
        m_path.push_back(target);
        target = m_tree[target].parent;
        from = m_tree[from].parent;
    }
    return from;
}

// A parent that is not the one scanned (the directory was moved) sends the
// caller back to the root, from where every step down is checked again.
bool TreeCursor::up()
{
    const qsizetype parent = m_tree[m_node].parent;
    if (parent == 0) {
        toRoot();
        return true;
    }
    const int fd = openat(m_fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    const TreeDirectory &directory = m_tree[parent];
    if (fstat(fd, &st) != 0 || quint64(st.st_dev) != directory.device || quint64(st.st_ino) != directory.inode) {
        close(fd);
        return false;
    }
    moveTo(fd, parent);
    return true;
}

bool TreeCursor::down(qsizetype child, FileError *error)
{
    TreeDirectory &directory = m_tree[child];
    const int fd = openat(m_fd, directory.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return failed(error, errno, directory.name);
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const int code = errno;
        close(fd);
        return failed(error, code, directory.name);
    }
    quint64 mount = 0;
    if (directory.inode == 0 && m_mountKnown && posix::mountOf(fd, mount) && mount != m_mount) {
        close(fd);
        return failed(error, EXDEV, directory.name);
    }
    if (directory.inode == 0) {
        directory.device = st.st_dev;
        directory.inode = st.st_ino;
    } else if (quint64(st.st_dev) != directory.device || quint64(st.st_ino) != directory.inode) {
        close(fd);
        return failed(error, ENOENT, directory.name);
    }
    moveTo(fd, child);
    return true;
}

void TreeCursor::toRoot()
{
    moveTo(m_root, 0);
}

void TreeCursor::moveTo(int fd, qsizetype node)
{
    if (m_fd >= 0 && m_fd != m_root && m_fd != fd)
        close(m_fd);
    m_fd = fd;
    m_node = node;
}

bool removeFile(const TreeCursor &cursor, const QByteArray &name, FileError *error)
{
    return unlinkat(cursor.descriptor(), name.constData(), 0) == 0 || failed(error, errno, name);
}

bool removeEmptyDirectory(const TreeCursor &cursor, const QByteArray &name, FileError *error)
{
    return unlinkat(cursor.descriptor(), name.constData(), AT_REMOVEDIR) == 0 || failed(error, errno, name);
}

} // namespace oc::platform
