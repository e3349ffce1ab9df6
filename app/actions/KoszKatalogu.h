#pragma once

#include <platform/Trash.h>

#include <QString>
#include <optional>

// Why no trash can take the entries of the directory; nothing when one can.
std::optional<oc::platform::TrashError> BrakKosza(const QString &katalog);
