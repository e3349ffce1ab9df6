#include "Editor.h"

namespace oc::platform {

std::optional<Command> editorCommand(const QString &path)
{
    for (const char *variable : {"VISUAL", "EDITOR"}) {
        QStringList words = splitCommandLine(qEnvironmentVariable(variable));
        if (words.isEmpty())
            continue;
        const QString program = words.takeFirst();
        return terminalCommand(program, words << path);
    }
    return std::nullopt;
}

} // namespace oc::platform
