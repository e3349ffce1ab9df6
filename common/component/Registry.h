#pragma once

#include <QString>
#include <QStringList>

namespace oc {

// The class-name-to-library map: an INI file at $OC_REGISTRY, else
// registry.ini in the user's configuration folder. Class names are matched
// without regard to case.
class Registry
{
public:
    Registry();
    explicit Registry(const QString &file);

    static QString defaultFile();

    QString file() const { return m_file; }
    // The library path registered for the class, or an empty string.
    QString libraryOf(const QString &classId) const;
    QStringList classes() const;
    // Both return false when the file cannot be written.
    bool add(const QStringList &classIds, const QString &libraryPath);
    bool remove(const QStringList &classIds);

private:
    QString m_file;
};

} // namespace oc
