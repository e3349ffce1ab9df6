#pragma once

#include <QString>

namespace oc::platform {

// The file lists' wildcard rules: case-insensitive, "*" any run, "?" one
// character, "*.*" every name (also names without a dot), several patterns
// separated by ";".
bool matchesWildcard(const QString &name, const QString &patterns);

} // namespace oc::platform
