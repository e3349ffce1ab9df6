#include "FileError.h"

#include <cerrno>
#include <cstring>

namespace oc::platform {

QString FileError::reason() const
{
    return code == 0 ? QString() : QString::fromLocal8Bit(std::strerror(code));
}

QString FileError::text() const
{
    return path + QStringLiteral(": ") + reason();
}

FileError lastError(const QString &path)
{
    return FileError{errno != 0 ? errno : EIO, path};
}

bool fail(FileError *error, FileError why)
{
    if (error)
        *error = std::move(why);
    return false;
}

} // namespace oc::platform
