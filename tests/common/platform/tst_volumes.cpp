#include <platform/Volumes.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace oc::platform;

namespace {

QStringList mountPoints()
{
    QStringList points;
    for (const Volume &volume : volumes())
        points << volume.mountPoint;
    return points;
}

} // namespace

class TestVolumes : public QObject
{
    Q_OBJECT

private slots:
    void listsRealFileSystemsOnly()
    {
        const QList<Volume> list = volumes();
        QVERIFY(!list.isEmpty());
        QStringList points;
        for (const Volume &volume : list) {
            points << volume.mountPoint;
            QVERIFY2(!QStringList({"proc", "sysfs", "cgroup", "cgroup2", "devpts", "mqueue", "devtmpfs"})
                          .contains(volume.fileSystem),
                     qPrintable(volume.mountPoint + u' ' + volume.fileSystem));
            QVERIFY2(!volume.mountPoint.startsWith(QStringLiteral("/proc"))
                         && !volume.mountPoint.startsWith(QStringLiteral("/sys")),
                     qPrintable(volume.mountPoint));
        }
        QStringList sorted = points;
        sorted.sort();
        QCOMPARE(points, sorted);
        QCOMPARE(points.removeDuplicates(), 0);
    }

    void volumeOfKnownPaths()
    {
        const QStringList points = mountPoints();
        QCOMPARE(volumeOf(QStringLiteral("/")), QStringLiteral("/"));
        QVERIFY(points.contains(QStringLiteral("/")));

        const QString temp = QDir::tempPath();
        QVERIFY2(points.contains(volumeOf(temp)), qPrintable(volumeOf(temp)));
        QTemporaryDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/volumes-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString here = volumeOf(dir.path());
        QVERIFY2(points.contains(here), qPrintable(here));
        QVERIFY(dir.path().startsWith(here));
        // A path that does not exist still lies on a volume.
        QCOMPARE(volumeOf(dir.path() + QStringLiteral("/nie/ma/tego")), here);
    }

    // "/mnt/data" must not claim "/mnt/database".
    void mountPointsMatchWholeComponents()
    {
        QString deeper;
        for (const QString &point : mountPoints()) {
            if (point != QStringLiteral("/"))
                deeper = point;
        }
        if (deeper.isEmpty())
            QSKIP("only \"/\" is mounted here");
        QCOMPARE(volumeOf(deeper), deeper);
        QCOMPARE(volumeOf(deeper + QStringLiteral("/x")), deeper);
        QVERIFY(volumeOf(deeper + QStringLiteral("x/y")) != deeper);
    }

    void sizesOfTheVolume()
    {
        const Volume volume = volumeInfo(QCoreApplication::applicationDirPath());
        QCOMPARE(volume.mountPoint, volumeOf(QCoreApplication::applicationDirPath()));
        QVERIFY(!volume.fileSystem.isEmpty());
        QVERIFY(volume.clusterSize > 0);
        QVERIFY(volume.totalBytes > 0);
        QVERIFY(volume.freeBytes >= 0 && volume.freeBytes <= volume.totalBytes);
        QVERIFY(volume.totalBytes % volume.clusterSize == 0);
        // A volume always says who it is: a UUID or the file-system id.
        QVERIFY(!volume.id.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
