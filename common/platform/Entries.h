#pragma once

#include "FileError.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace oc::platform {

// What tells one entry from another that took its name: its device and
// inode, length and modification time, as the entry itself has them (a
// link's own, never its target's).
struct Identity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch
    bool directory = false;

    bool operator==(const Identity &) const = default;
};

// nullopt when nothing is there.
std::optional<Identity> identityOf(const QString &path);

// Renames within one file system, never replacing what is at `to` (EEXIST
// then); an entry on another file system gives EXDEV.
bool renameNoReplace(const QString &from, const QString &to, FileError *error = nullptr);
// Removes a file or a link, never a directory.
bool removeFile(const QString &path, FileError *error = nullptr);
// Removes a directory only when it is empty.
bool removeEmptyDirectory(const QString &path, FileError *error = nullptr);

} // namespace oc::platform
