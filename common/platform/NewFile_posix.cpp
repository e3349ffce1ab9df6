#include "NewFile.h"

#include "Names.h"
#include "Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace oc::platform {

bool createEmptyFile(const QString &parent, const QString &name, FileError *error)
{
    const QString path = withSeparator(parent) + name;
    if (name.isEmpty() || name.contains(u'/') || name == u"." || name == u"..")
        return fail(error, FileError{EINVAL, path});
    const int dir = ::open(encodeName(parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return fail(error, lastError(parent));
    const int fd
        = openat(dir, encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    const FileError why = lastError(path);
    ::close(dir);
    if (fd < 0)
        return fail(error, why);
    if (::close(fd) != 0)
        return fail(error, lastError(path));
    return true;
}

} // namespace oc::platform
