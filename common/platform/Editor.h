#pragma once

#include "Shell.h"

#include <optional>

namespace oc::platform {

// The command that opens path in the editor the user named: $VISUAL, else
// $EDITOR (split into words as a shell would), in a terminal window when
// one is available, the path as one argument of its own; nullopt when
// neither names one.
std::optional<Command> editorCommand(const QString &path);

} // namespace oc::platform
