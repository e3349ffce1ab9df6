#include "Migawka.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>

Migawka Sfotografuj(const QString &root)
{
    Migawka migawka;
    const auto opis = [](const QFileInfo &info) {
        const QString czas = QString::number(info.lastModified().toMSecsSinceEpoch());
        const QString prawa = QString::number(int(info.permissions()), 16);
        if (info.isSymLink())
            return QStringLiteral("link -> %1").arg(info.symLinkTarget());
        if (info.isDir())
            return QStringLiteral("dir %1 %2").arg(prawa, czas);
        return QStringLiteral("file %1 %2 %3").arg(info.size()).arg(prawa, czas);
    };
    migawka.insert(QStringLiteral("."), opis(QFileInfo(root)));
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        migawka.insert(it.filePath().mid(root.size()), opis(it.fileInfo()));
    }
    return migawka;
}

QStringList Różnice(const Migawka &przed, const Migawka &po)
{
    QStringList różnice;
    for (auto it = przed.begin(); it != przed.end(); ++it)
        if (po.value(it.key()) != it.value())
            różnice << QStringLiteral("%1: %2 -> %3").arg(it.key(), it.value(), po.value(it.key(), QStringLiteral("(gone)")));
    for (auto it = po.begin(); it != po.end(); ++it)
        if (!przed.contains(it.key()))
            różnice << QStringLiteral("%1: new %2").arg(it.key(), it.value());
    return różnice;
}
