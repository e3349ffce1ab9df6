#include "Volumes.h"

#include "Names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace oc::platform {

namespace {

bool isPseudoFileSystem(const QString &type)
{
    static const QSet<QString> pseudo = {
        QStringLiteral("proc"),        QStringLiteral("sysfs"),       QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),     QStringLiteral("devpts"),      QStringLiteral("devtmpfs"),
        QStringLiteral("mqueue"),      QStringLiteral("debugfs"),     QStringLiteral("tracefs"),
        QStringLiteral("securityfs"),  QStringLiteral("pstore"),      QStringLiteral("bpf"),
        QStringLiteral("configfs"),    QStringLiteral("fusectl"),     QStringLiteral("hugetlbfs"),
        QStringLiteral("autofs"),      QStringLiteral("binfmt_misc"), QStringLiteral("nsfs"),
        QStringLiteral("ramfs"),       QStringLiteral("efivarfs"),    QStringLiteral("rpc_pipefs"),
        QStringLiteral("selinuxfs"),   QStringLiteral("nfsd"),        QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"),
    };
    return pseudo.contains(type);
}

bool isUnder(const QString &path, const QString &mountPoint)
{
    if (mountPoint == u'/')
        return path.startsWith(u'/');
    return path == mountPoint || (path.startsWith(mountPoint) && path.at(mountPoint.size()) == u'/');
}

// tmpfs holding runtime state rather than user files.
bool isSystemTmpfs(const QString &type, const QString &mountPoint)
{
    return type == u"tmpfs"
           && (isUnder(mountPoint, QStringLiteral("/run")) || isUnder(mountPoint, QStringLiteral("/dev"))
               || isUnder(mountPoint, QStringLiteral("/sys")) || isUnder(mountPoint, QStringLiteral("/proc")));
}

// mountinfo writes space, tab, newline and backslash as "\ooo".
QByteArray unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value < 256) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return out;
}

// /dev/disk/by-label and by-uuid: the device each name points at.
QHash<QString, QString> diskNames(const QString &folder)
{
    QHash<QString, QString> byDevice;
    const QDir dir(folder);
    for (const QFileInfo &link : dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString device = link.canonicalFilePath();
        if (device.isEmpty())
            continue;
        // udev escapes unsafe characters as \xNN.
        QByteArray name = link.fileName().toUtf8();
        QByteArray decoded;
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
                bool ok = false;
                const int value = name.mid(i + 2, 2).toInt(&ok, 16);
                if (ok) {
                    decoded.append(char(value));
                    i += 3;
                    continue;
                }
            }
            decoded.append(name[i]);
        }
        byDevice.insert(device, QString::fromUtf8(decoded));
    }
    return byDevice;
}

void fillSizes(Volume &volume)
{
    struct statvfs fs;
    if (statvfs(encodeName(volume.mountPoint).constData(), &fs) != 0)
        return;
    volume.clusterSize = qint64(fs.f_frsize);
    volume.freeBytes = qint64(fs.f_bavail) * qint64(fs.f_frsize);
    volume.totalBytes = qint64(fs.f_blocks) * qint64(fs.f_frsize);
    if (volume.id.isEmpty() && fs.f_fsid != 0)
        volume.id = QString::number(quint64(fs.f_fsid), 16).toUpper();
}

// Mount points as listed, later mounts over the same point replacing earlier
// ones, pseudo file systems and mounted single files left out.
QList<Volume> mountedVolumes()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    QList<Volume> found;
    if (!file.open(QIODevice::ReadOnly))
        return found;
    const QByteArray content = file.readAll();
    for (const QByteArray &line : content.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 5 || separator < 0 || separator + 2 >= fields.size())
            continue;
        Volume volume;
        volume.mountPoint = decodeName(unescapeMountField(fields[4]));
        volume.fileSystem = QString::fromUtf8(fields[separator + 1]);
        volume.device = decodeName(unescapeMountField(fields[separator + 2]));
        if (isPseudoFileSystem(volume.fileSystem) || isSystemTmpfs(volume.fileSystem, volume.mountPoint))
            continue;
        struct stat st;
        if (stat(encodeName(volume.mountPoint).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        found.erase(std::remove_if(found.begin(), found.end(),
                                   [&](const Volume &v) { return v.mountPoint == volume.mountPoint; }),
                    found.end());
        found.append(volume);
    }
    return found;
}

void fillNames(Volume &volume, const QHash<QString, QString> &labels, const QHash<QString, QString> &uuids)
{
    const QString device = QFileInfo(volume.device).canonicalFilePath();
    if (device.isEmpty())
        return;
    volume.label = labels.value(device);
    volume.id = uuids.value(device);
}

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(path));
}

} // namespace

QList<Volume> volumes()
{
    QList<Volume> list = mountedVolumes();
    const auto labels = diskNames(QStringLiteral("/dev/disk/by-label"));
    const auto uuids = diskNames(QStringLiteral("/dev/disk/by-uuid"));
    for (Volume &volume : list) {
        fillNames(volume, labels, uuids);
        fillSizes(volume);
    }
    std::sort(list.begin(), list.end(), [](const Volume &a, const Volume &b) { return a.mountPoint < b.mountPoint; });
    return list;
}

QString volumeOf(const QString &path)
{
    const QString absolute = absoluteClean(path);
    QString best = QStringLiteral("/");
    for (const Volume &volume : mountedVolumes()) {
        if (isUnder(absolute, volume.mountPoint) && volume.mountPoint.size() > best.size())
            best = volume.mountPoint;
    }
    return best;
}

Volume volumeInfo(const QString &path)
{
    const QString mountPoint = volumeOf(path);
    Volume found;
    found.mountPoint = mountPoint;
    for (const Volume &volume : mountedVolumes()) {
        if (volume.mountPoint == mountPoint) {
            found = volume;
            fillNames(found, diskNames(QStringLiteral("/dev/disk/by-label")),
                      diskNames(QStringLiteral("/dev/disk/by-uuid")));
        }
    }
    fillSizes(found);
    return found;
}

} // namespace oc::platform
