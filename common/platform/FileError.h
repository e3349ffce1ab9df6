#pragma once

#include <QString>

namespace oc::platform {

// Why a file operation failed: the system's error number and the path it
// was about. A default-made one means nothing failed.
struct FileError
{
    int code = 0;
    QString path;

    bool failed() const { return code != 0; }
    // What the error number means: in Polish for the errors a file manager
    // meets, else as the system says it.
    QString reason() const;
    // "path: reason", as a report line.
    QString text() const;
};

// The error the last failing system call left behind, for path.
FileError lastError(const QString &path);

// Sets *error when the caller asked for it; false, to return at once.
bool fail(FileError *error, FileError why);

} // namespace oc::platform
