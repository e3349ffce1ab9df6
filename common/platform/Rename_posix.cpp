#include "Rename.h"

#include "Internal_posix.h"
#include "Names.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oc::platform {

namespace {

RenameOutcome outcomeOf(int code)
{
    switch (code) {
    case 0: return RenameOutcome::Renamed;
    case EEXIST:
    case ENOTEMPTY: return RenameOutcome::TargetExists;
    case EXDEV: return RenameOutcome::OtherFileSystem;
    default: return RenameOutcome::Failed;
    }
}

} // namespace

RenameOutcome renameNoReplace(const OpenDirectory &from, const QByteArray &name, const OpenDirectory &to,
                              const QByteArray &newName, FileError *error)
{
    const int code
        = posix::renameNoReplace(from.descriptor(), name.constData(), to.descriptor(), newName.constData()) == 0
              ? 0
              : errno;
    const RenameOutcome outcome = outcomeOf(code);
    if (outcome == RenameOutcome::Failed)
        fail(error, FileError{code, from.pathOf(name)});
    return outcome;
}

bool renameReplacing(const OpenDirectory &from, const QByteArray &name, const OpenDirectory &to,
                     const QByteArray &newName, FileError *error)
{
    if (renameat(from.descriptor(), name.constData(), to.descriptor(), newName.constData()) == 0)
        return true;
    return fail(error, lastError(from.pathOf(name)));
}

bool exchangeEntries(const OpenDirectory &from, const QByteArray &name, const OpenDirectory &to,
                     const QByteArray &newName, FileError *error)
{
    if (renameat2(from.descriptor(), name.constData(), to.descriptor(), newName.constData(), RENAME_EXCHANGE) == 0)
        return true;
    return fail(error, lastError(from.pathOf(name)));
}

bool removeFile(const OpenDirectory &directory, const QByteArray &name, FileError *error)
{
    if (unlinkat(directory.descriptor(), name.constData(), 0) == 0)
        return true;
    return fail(error, lastError(directory.pathOf(name)));
}

bool removeEmptyDirectory(const OpenDirectory &directory, const QByteArray &name, FileError *error)
{
    if (unlinkat(directory.descriptor(), name.constData(), AT_REMOVEDIR) == 0)
        return true;
    return fail(error, lastError(directory.pathOf(name)));
}

bool renameEntry(const QString &directory, const QString &oldName, const QString &newName, FileError *error)
{
    const OpenDirectory dir = OpenDirectory::open(directory, error);
    if (!dir.isOpen())
        return false;
    const QByteArray from = encodeName(oldName);
    const QByteArray to = encodeName(newName);
    const RenameOutcome outcome = renameNoReplace(dir, from, dir, to, error);
    if (outcome == RenameOutcome::Renamed)
        return true;
    if (outcome != RenameOutcome::TargetExists)
        return false;
    // Where letter case is ignored the new name finds the entry itself; it
    // takes its new spelling by way of a name of its own.
    const std::optional<EntryStatus> itself = dir.status(from);
    const std::optional<EntryStatus> there = dir.status(to);
    std::vector<QByteArray> names;
    const bool caseOnly = itself && there && itself->sameEntry(*there)
                          && oldName.compare(newName, Qt::CaseInsensitive) == 0 && dir.names(names)
                          && std::find(names.begin(), names.end(), to) == names.end();
    if (!caseOnly)
        return fail(error, FileError{EEXIST, dir.pathOf(to)});
    const QByteArray between = ".oc-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    if (renameNoReplace(dir, from, dir, between, error) != RenameOutcome::Renamed)
        return false;
    const RenameOutcome second = renameNoReplace(dir, between, dir, to, error);
    if (second == RenameOutcome::Renamed)
        return true;
    renameNoReplace(dir, between, dir, from);
    return second == RenameOutcome::TargetExists ? fail(error, FileError{EEXIST, dir.pathOf(to)}) : false;
}

} // namespace oc::platform
