#pragma once

#include "FileError.h"

#include <QString>

namespace oc::platform {

// Creates the empty file `name` (one name: no "/", not "." or "..") in
// parent, by descriptor; an existing entry of that name is never touched
// and fails with EEXIST.
bool createEmptyFile(const QString &parent, const QString &name, FileError *error = nullptr);

} // namespace oc::platform
