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

// One line per directory: a path with a line break in it is saved as its
// nearest parent without one, so it cannot spill into the other line.
QString wiersz(const QString &path)
{
    QString directory = platform::withoutSeparator(path);
    while (directory.contains(u'\n') || directory.contains(u'\r'))
        directory = platform::withoutSeparator(directory.left(directory.lastIndexOf(u'/') + 1));
    return directory;
}

// The program's copy, else the user's.
bool zapiszGdzieMożna(const QString &file, const QString &user, const QByteArray &content)
{
    if (zapiszPlik(file, content))
        return true;
    return user != file && zapiszPlik(user, content);
}

} // namespace

bool ZapiszKatalogi(const QString &left, const QString &right) noexcept
{
    try {
        // Names that are not UTF-8 go back to their own bytes.
        const QByteArray content = platform::encodeName(wiersz(left) + u'\n' + wiersz(right) + u'\n');
        return zapiszGdzieMożna(platform::savedPathsFile(), platform::userSavedPathsFile(), content);
    } catch (...) {
        return false;
    }
}

bool ZapiszUstawieniaPaneli(const QByteArray &treść) noexcept
{
    try {
        return zapiszGdzieMożna(platform::panelSettingsFile(), platform::userPanelSettingsFile(), treść);
    } catch (...) {
        return false;
    }
}
