#pragma once

#include "FileError.h"

#include <QString>
#include <QtGlobal>

namespace oc::platform {

// A file opened for reading piece by piece: nothing is read until asked, so
// a file of any size opens at once. One open file may be read from several
// threads.
class ReadOnlyFile
{
public:
    enum class Kind { Regular, Directory, Other }; // Other: a pipe, a device, a socket

    ReadOnlyFile() = default;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    // Opens a regular file (through links), never blocking on a pipe; false
    // with the reason when it cannot be opened or is something else, whose
    // kind() then says what it is.
    bool open(const QString &path, FileError *error = nullptr);
    Kind kind() const { return m_kind; }

    // The size now: the file may grow or shrink while open; -1 when unknown.
    qint64 currentSize() const;
    // Up to length bytes at offset; the count read (short at the end of the
    // file), -1 on a read error.
    qint64 read(qint64 offset, char *buffer, qint64 length) const;

private:
    int m_fd = -1;
    Kind m_kind = Kind::Regular;
};

} // namespace oc::platform
