#include "Paths.h"

#include "Directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace oc::platform {

namespace {

QString &programDirectoryOverride()
{
    static QString directory;
    return directory;
}

// Read-only data of an installed copy: the program lives in
// <prefix>/lib/orvane-commander, its data in <prefix>/share/orvane-commander.
QString sharedDataFile(const QString &relative)
{
    const QString local = programDirectory() + u'/' + relative;
    if (QFileInfo::exists(local))
        return local;
    const QString shared
        = QDir::cleanPath(programDirectory() + QStringLiteral("/../../share/orvane-commander/") + relative);
    return QFileInfo::exists(shared) ? shared : local;
}

bool isWritableDirectory(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

} // namespace

QString programDirectory()
{
    const QString &set = programDirectoryOverride();
    return withoutSeparator(set.isEmpty() ? QCoreApplication::applicationDirPath() : set);
}

void setProgramDirectory(const QString &directory)
{
    programDirectoryOverride() = directory;
}

QString userSavedPathsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/orvane-commander/oc.pth");
}

QString savedPathsFile()
{
    const QString program = programDirectory();
    const QString data = program + QStringLiteral("/data");
    if (!QFileInfo::exists(data) && isWritableDirectory(program))
        QDir(program).mkdir(QStringLiteral("data"));
    if (isWritableDirectory(data))
        return data + QStringLiteral("/oc.pth");
    const QString user = userSavedPathsFile();
    QDir().mkpath(QFileInfo(user).absolutePath());
    return user;
}

QString savedPathsFileForReading()
{
    // A save that fell back to the user's copy leaves the program's copy
    // behind; the newer of the two is the last save.
    const QFileInfo local(programDirectory() + QStringLiteral("/data/oc.pth"));
    const QFileInfo user(userSavedPathsFile());
    if (!local.exists())
        return user.filePath();
    return user.exists() && user.lastModified() > local.lastModified() ? user.filePath() : local.filePath();
}

namespace {

QString beside(const QString &file, const QString &name)
{
    return QFileInfo(file).absolutePath() + u'/' + name;
}

const QString settingsName = QStringLiteral("oc.ust");

} // namespace

QString panelSettingsFile()
{
    return beside(savedPathsFile(), settingsName);
}

QString userPanelSettingsFile()
{
    return beside(userSavedPathsFile(), settingsName);
}

QString panelSettingsFileForReading()
{
    return beside(savedPathsFileForReading(), settingsName);
}

QString colourSchemeFile()
{
    return sharedDataFile(QStringLiteral("data/kolory/xk.kol"));
}

QString helpFile()
{
    return sharedDataFile(QStringLiteral("help/index.htm"));
}

QString registrationProgram()
{
    return programDirectory() + QStringLiteral("/data/ocreg");
}

QString mainProgram()
{
    return programDirectory() + QStringLiteral("/oc");
}

QString repairTool()
{
    return programDirectory() + QStringLiteral("/regmend");
}

QString fallbackDirectory()
{
    const QString home = QDir::homePath();
    return canEnter(home) ? home : QStringLiteral("/");
}

QString withSeparator(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

QString withoutSeparator(const QString &path)
{
    QString result = path;
    while (result.size() > 1 && result.endsWith(u'/'))
        result.chop(1);
    return result;
}

} // namespace oc::platform
