#pragma once

#include "FileError.h"
#include "OpenDirectory.h"

#include <QByteArray>
#include <QString>

namespace oc::platform {

enum class RenameOutcome { Renamed, TargetExists, OtherFileSystem, Failed };

// Moves `name` of `from` to `newName` of `to` in one step, never replacing
// an entry that is there. Where the file system cannot promise that, the
// name is looked at first, as other programs do.
RenameOutcome renameNoReplace(const OpenDirectory &from, const QByteArray &name, const OpenDirectory &to,
                              const QByteArray &newName, FileError *error = nullptr);
// Moves a file, link or other non-directory, replacing the one at newName
// in the same step.
bool renameReplacing(const OpenDirectory &from, const QByteArray &name, const OpenDirectory &to,
                     const QByteArray &newName, FileError *error = nullptr);
// Swaps two entries in one step: each takes the other's place. Fails with
// EINVAL where the file system cannot.
bool exchangeEntries(const OpenDirectory &from, const QByteArray &name, const OpenDirectory &to,
                     const QByteArray &newName, FileError *error = nullptr);

bool removeFile(const OpenDirectory &directory, const QByteArray &name, FileError *error = nullptr);
// Fails with ENOTEMPTY (or EEXIST) when something is still in it.
bool removeEmptyDirectory(const OpenDirectory &directory, const QByteArray &name, FileError *error = nullptr);

// Gives an entry of directory a new name there, never replacing another
// entry (EEXIST). A name differing only in letter case works also where the
// file system ignores case.
bool renameEntry(const QString &directory, const QString &oldName, const QString &newName, FileError *error = nullptr);

} // namespace oc::platform
