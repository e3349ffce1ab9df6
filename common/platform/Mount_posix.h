#pragma once

#include <QtGlobal>

namespace oc::platform::posix {

// Which mount the open file fd lies on: the kernel's mount id, which also
// tells a bind mount from the directory it shows, or the device where the
// kernel gives no id. False when the file cannot be asked.
bool mountOf(int fd, quint64 &mount);

} // namespace oc::platform::posix
