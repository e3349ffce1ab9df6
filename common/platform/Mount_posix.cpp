#include "Mount_posix.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

namespace oc::platform::posix {

bool mountOf(int fd, quint64 &mount)
{
    struct statx info;
    if (statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_MNT_ID, &info) != 0)
        return false;
    // Devices and ids never meet: the kernel gives ids for all or for none.
    mount = (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : quint64(makedev(info.stx_dev_major, info.stx_dev_minor));
    return true;
}

bool writesFailAtOnce(int fd)
{
    struct statfs fs;
    if (fstatfs(fd, &fs) != 0)
        return false;
    switch (fs.f_type) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC: return true;
    default: return false;
    }
}

} // namespace oc::platform::posix
