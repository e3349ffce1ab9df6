#include "Mount_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
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

} // namespace oc::platform::posix
