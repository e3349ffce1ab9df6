#include "ZapiszKatalogi.h"

#include <platform/Names.h>
#include <platform/Paths.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace platform = oc::platform;

namespace {

bool zapiszPlik(const QString &file, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile output(file);
    if (!output.open(QIODevice::WriteOnly))
        return false;
    if (output.write(content) != content.size()) {
        output.cancelWriting();
        return false;
    }
    return output.commit();
}

} // namespace

bool ZapiszKatalogi(const QString &left, const QString &right) noexcept
{
    try {
        // Names that are not UTF-8 go back to their own bytes.
        const QByteArray content = platform::encodeName(platform::withoutSeparator(left) + u'\n'
                                                        + platform::withoutSeparator(right) + u'\n');
        const QString file = platform::savedPathsFile();
        if (zapiszPlik(file, content))
            return true;
        const QString user = platform::userSavedPathsFile();
        return user != file && zapiszPlik(user, content);
    } catch (...) {
        return false;
    }
}
