#pragma once

#include <QtGlobal>

namespace oc::platform::posix {

// Which mount the open file fd lies on: the kernel's mount id, which also
// tells a bind mount from the directory it shows, or the device where the
// kernel gives no id. False when the file cannot be asked.
bool mountOf(int fd, quint64 &mount);

// The file system of the open file reports a failed write at the write
// itself (a local disk or memory), never first at a close; false for any
// other, a network's or one in user space.
bool writesFailAtOnce(int fd);

} // namespace oc::platform::posix
