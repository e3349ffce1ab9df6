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

bool TreeCursor::openRoot(const OpenDirectory &parent, const QByteArray &name, FileError *error)
{
    Deskryptor fd(openat(parent.descriptor(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!fd.otwarty() || fstat(fd.fd(), &st) != 0)
        return failed(error, errno, name);
    // A second cursor on the tree finds the root the first one recorded.
    TreeDirectory &root = m_tree[0];
    if (root.inode == 0) {
        root.device = st.st_dev;
        root.inode = st.st_ino;
    } else if (quint64(st.st_dev) != root.device || quint64(st.st_ino) != root.inode) {
        return failed(error, ENOENT, name);
    }
    m_mountKnown = posix::mountOf(fd.fd(), m_mount);
    m_root = std::move(fd);
    m_below = Deskryptor();
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
    Deskryptor own(openat(descriptor(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR *directory = own.otwarty() ? fdopendir(own.fd()) : nullptr;
    if (!directory)
        return failed(error, errno);
    own.oddaj();
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
    if (fstatat(descriptor(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
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
    Deskryptor fd(openat(descriptor(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    const TreeDirectory &directory = m_tree[parent];
    if (!fd.otwarty() || fstat(fd.fd(), &st) != 0 || quint64(st.st_dev) != directory.device
        || quint64(st.st_ino) != directory.inode)
        return false;
    moveTo(std::move(fd), parent);
    return true;
}

bool TreeCursor::down(qsizetype child, FileError *error)
{
    TreeDirectory &directory = m_tree[child];
    Deskryptor fd(openat(descriptor(), directory.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!fd.otwarty() || fstat(fd.fd(), &st) != 0)
        return failed(error, errno, directory.name);
    quint64 mount = 0;
    if (directory.inode == 0 && m_mountKnown && posix::mountOf(fd.fd(), mount) && mount != m_mount)
        return failed(error, EXDEV, directory.name);
    if (directory.inode == 0) {
        directory.device = st.st_dev;
        directory.inode = st.st_ino;
    } else if (quint64(st.st_dev) != directory.device || quint64(st.st_ino) != directory.inode) {
        return failed(error, ENOENT, directory.name);
    }
    moveTo(std::move(fd), child);
    return true;
}

void TreeCursor::toRoot()
{
    moveTo(Deskryptor(), 0);
}

// The directory left is closed, unless it is the root.
void TreeCursor::moveTo(Deskryptor fd, qsizetype node)
{
    m_below = std::move(fd);
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
