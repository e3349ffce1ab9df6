#include "Walk.h"

#include "Names.h"

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oc::platform {

QString WalkEntry::name() const { return decodeName(rawName.toByteArray()); }

namespace {

// Reads the directory open at fd (and closes it), descending into each
// subdirectory as soon as it is met. Relative opens keep path lookups short.
void walkOpen(int fd, int depth, const std::function<void(const WalkEntry &)> &visit)
{
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    WalkEntry entry;
    entry.depth = depth;
    while (const dirent *item = readdir(dir)) {
        const char *name = item->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        entry.rawName = QByteArrayView(name, qsizetype(std::strlen(name)));
        entry.size = 0;
        if (item->d_type == DT_DIR) {
            entry.isDirectory = true;
        } else {
            struct stat info;
            if (fstatat(dirfd(dir), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            entry.isDirectory = S_ISDIR(info.st_mode);
            if (!entry.isDirectory)
                entry.size = qint64(info.st_size);
        }
        visit(entry);
        if (entry.isDirectory) {
            const int child = openat(dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                walkOpen(child, depth + 1, visit);
        }
    }
    closedir(dir);
}

} // namespace

bool walkTree(const QString &root, const std::function<void(const WalkEntry &)> &visit, FileError *error)
{
    const int fd = open(encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, lastError(root));
    walkOpen(fd, 1, visit);
    return true;
}

} // namespace oc::platform
