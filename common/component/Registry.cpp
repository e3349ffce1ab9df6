#include "Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace oc {

namespace {

const QString group = QStringLiteral("classes");

// QSettings reserves "/" and "\" in keys; class names never hold them.
QString keyOf(const QString &classId)
{
    return group + u'/' + classId.toLower();
}

bool writeAll(QSettings &settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

Registry::Registry() : m_file(defaultFile())
{}

Registry::Registry(const QString &file) : m_file(file)
{}

QString Registry::defaultFile()
{
    const QByteArray env = qgetenv("OC_REGISTRY");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/orvane-commander/registry.ini");
}

QString Registry::libraryOf(const QString &classId) const
{
    QSettings settings(m_file, QSettings::IniFormat);
    return settings.value(keyOf(classId)).toString();
}

QStringList Registry::classes() const
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.beginGroup(group);
    return settings.childKeys();
}

bool Registry::add(const QStringList &classIds, const QString &libraryPath)
{
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings settings(m_file, QSettings::IniFormat);
    if (!settings.isWritable())
        return false;
    for (const QString &id : classIds)
        settings.setValue(keyOf(id), libraryPath);
    return writeAll(settings);
}

bool Registry::remove(const QStringList &classIds)
{
    QSettings settings(m_file, QSettings::IniFormat);
    if (!settings.isWritable())
        return false;
    for (const QString &id : classIds)
        settings.remove(keyOf(id));
    return writeAll(settings);
}

} // namespace oc
