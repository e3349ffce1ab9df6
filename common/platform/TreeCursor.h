#pragma once

#include "Descriptor.h"
#include "FileError.h"
#include "OpenDirectory.h"
#include "ScannedTree.h"

#include <optional>
#include <vector>

namespace oc::platform {

// One open directory that moves through a scanned tree: down by name
// without following links, up through "..", each step checked against the
// identity the scan recorded. A tree of any depth is walked with two
// descriptors, and a directory swapped for a link or for another directory
// is never entered, nor one where another file system is mounted. The
// cursor knows no paths: a failure carries the error number and, where it
// is about an entry, the entry's name alone.
class TreeCursor
{
public:
    explicit TreeCursor(std::vector<TreeDirectory> &tree);
    TreeCursor(const TreeCursor &) = delete;
    TreeCursor &operator=(const TreeCursor &) = delete;

    // Opens the chosen directory `name` of parent (node 0 of the tree): one
    // opened before must be the same directory.
    bool openRoot(const OpenDirectory &parent, const QByteArray &name, FileError *error);
    // Makes node target the open directory; a node never opened before
    // takes the identity it has now. On failure (ELOOP or ENOTDIR for a
    // link or file in its place, ENOENT for another directory, EXDEV for a
    // mount point) the cursor stays on a node above it.
    bool goTo(qsizetype target, FileError *error);

    // The entries of the open directory but "." and "..", in the file
    // system's order; false when it cannot be read.
    bool read(std::vector<TreeEntry> &entries, FileError *error) const;
    // The entry `name` of the open directory itself (a link is not followed).
    std::optional<EntryStatus> status(const QByteArray &name, FileError *error) const;

    // For the rest of this layer.
    int descriptor() const { return m_below.otwarty() ? m_below.fd() : m_root.fd(); }

private:
    // Fills m_path with the nodes below the common ancestor of from and
    // target down to target, deepest first; returns that ancestor.
    qsizetype pathTo(qsizetype from, qsizetype target);
    bool up();
    bool down(qsizetype child, FileError *error);
    void toRoot();
    void moveTo(Deskryptor fd, qsizetype node);

    std::vector<TreeDirectory> &m_tree;
    std::vector<qsizetype> m_path;
    Deskryptor m_root;
    bool m_mountKnown = false;
    quint64 m_mount = 0; // the chosen directory's mount
    Deskryptor m_below;  // the open directory when it is not the root
    qsizetype m_node = -1;
};

// As their namesakes for an open directory, in the cursor's.
bool removeFile(const TreeCursor &cursor, const QByteArray &name, FileError *error);
bool removeEmptyDirectory(const TreeCursor &cursor, const QByteArray &name, FileError *error);

} // namespace oc::platform
