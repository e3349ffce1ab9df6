#pragma once

#include "FileError.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace oc::platform {

struct EntryInfo
{
    QString name;       // as the file system gives it (decoded reversibly)
    qint64 size = 0;    // bytes; 0 for directories; a link shows its target's size and time
    QDateTime modified; // local time, as the local offset from UTC at that moment
    quint32 attributes = 0;
    quint16 permissions = 0;  // the mode's permission bits (07777), of what is shown
    bool isDirectory = false; // a directory or a link to one: listed as a directory
    bool isLink = false;      // a symbolic link: recursive work treats it as one entry
};

struct DirectoryListing
{
    bool ok = false;                    // false when the directory cannot be read
    FileError error;                    // why, when it could not
    std::vector<EntryInfo> directories; // without "." and ".."
    std::vector<EntryInfo> files;
};

// Reads a directory in one pass: every entry with its size, time and
// attributes, split into directories and files, each sorted by name, or in
// the order the directory gives them when byName is false.
DirectoryListing readDirectory(const QString &path, bool byName = true);

// One entry's information, read afresh; nullopt when it is gone.
std::optional<EntryInfo> entryInfo(const QString &path);

// Follows links.
bool isDirectory(const QString &path);
// Exists and is not a directory (a dangling link counts as a file).
bool fileExists(const QString &path);
// A directory the process can enter and list; the reason in *error when not.
bool canEnter(const QString &path, FileError *error = nullptr);

// Creates the directory `name` (a single component or a relative path) in
// parent, by descriptor, never through the process's working directory.
bool makeDirectory(const QString &parent, const QString &name, FileError *error = nullptr);

} // namespace oc::platform
