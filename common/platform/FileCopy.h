#pragma once

#include "FileError.h"

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <vector>

// What a copy carries besides a file's bytes, and new files that get a name
// only once they are whole. By descriptor: a failure names no path.
namespace oc::platform {

struct ExtendedAttribute
{
    QByteArray name; // with its namespace: "user.DOSATTRIB", "system.posix_acl_access"
    QByteArray value;
};

// Every extended attribute of an open file or directory; none where its file
// system keeps none.
bool readExtendedAttributes(int fd, std::vector<ExtendedAttribute> &attributes, FileError *error);
// Sets them on an open file or directory. The user's own (user.*) and the
// access lists (system.posix_acl_*) must all be written unless the file
// system keeps no such attribute; the others (security.*, trusted.*) only
// where this process is permitted, skipped without a word where not.
bool writeExtendedAttributes(int fd, const std::vector<ExtendedAttribute> &attributes, FileError *error);

// The parts of the first `size` bytes of an open file that hold data, in
// order, holes left out: piece(offset, length) for each until it returns
// false. A file system that cannot tell gives the whole length as one piece.
bool forEachDataExtent(int fd, qint64 size, const std::function<bool(qint64, qint64)> &piece, FileError *error);

// A new regular file in the directory with no name yet, so that nothing of
// it is left if the process dies before it is named; -1 with the error.
int openUnnamedFile(int directory, quint32 mode, FileError *error);
// The error number says the file system makes no unnamed files (use a named one).
bool unnamedFilesUnsupported(int error);
// Gives an unnamed file its name; fails with EEXIST when the name is taken.
bool nameUnnamedFile(int fd, int directory, const QByteArray &name, FileError *error);

// A temporary name: prefix, this process's id, "-", a random part. The id
// tells whether the temporary is still being written.
QByteArray temporaryName(const QByteArray &prefix);
// Removes the temporaries of the directory, named by temporaryName(prefix),
// whose process has ended.
void removeStaleTemporaries(int directory, const QByteArray &prefix);

} // namespace oc::platform
