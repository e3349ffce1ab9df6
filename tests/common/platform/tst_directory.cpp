#include <platform/Attributes.h>
#include <platform/Directory.h>
#include <platform/Names.h>
#include <platform/Walk.h>

#include <Montowanie.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <optional>

using namespace oc::platform;

namespace {

void writeFile(const QString &path, qint64 size = 0)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    if (size > 0)
        QVERIFY(file.write(QByteArray(size, 'x')) == size);
}

QStringList namesOf(const std::vector<EntryInfo> &entries)
{
    QStringList names;
    for (const EntryInfo &entry : entries)
        names << entry.name;
    return names;
}

const EntryInfo *find(const std::vector<EntryInfo> &entries, const QString &name)
{
    for (const EntryInfo &entry : entries) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

} // namespace

class TestDirectory : public QObject
{
    Q_OBJECT

    QString m_base = QCoreApplication::applicationDirPath() + QStringLiteral("/directory-XXXXXX");

private slots:
    void ordersDirectoriesThenFilesByName()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QDir d(dir.path());
        for (const char *name : {"zeta", "Alpha", "beta", ".config"})
            QVERIFY(d.mkdir(QLatin1String(name)));
        for (const char *name : {"b.txt", "B.txt", "a.txt", "C", ".bashrc", "10", "2"})
            writeFile(d.filePath(QLatin1String(name)));

        const DirectoryListing listing = readDirectory(dir.path());
        QVERIFY(listing.ok);
        // Hidden names stay: filtering is the caller's.
        QCOMPARE(namesOf(listing.directories), (QStringList{".config", "Alpha", "beta", "zeta"}));
        QCOMPARE(namesOf(listing.files), (QStringList{".bashrc", "10", "2", "a.txt", "B.txt", "b.txt", "C"}));
    }

    // Large directories are read by several workers; the result must be the
    // same as one reader's: every entry once, sorted, with its own size.
    void largeDirectoryReadWhole()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QDir d(dir.path());
        constexpr int files = 30000;
        for (int i = 0; i < files; ++i)
            writeFile(d.filePath(QStringLiteral("f%1").arg(i, 5, 10, QLatin1Char('0'))), i % 7);
        for (int i = 0; i < 300; ++i)
            QVERIFY(d.mkdir(QStringLiteral("d%1").arg(i, 3, 10, QLatin1Char('0'))));

        const DirectoryListing listing = readDirectory(dir.path());
        QVERIFY(listing.ok);
        QCOMPARE(listing.directories.size(), size_t(300));
        QCOMPARE(listing.files.size(), size_t(files));
        for (int i = 0; i < files; ++i) {
            const EntryInfo &entry = listing.files[size_t(i)];
            QCOMPARE(entry.name, QStringLiteral("f%1").arg(i, 5, 10, QLatin1Char('0')));
            QCOMPARE(entry.size, qint64(i % 7));
        }
        QCOMPARE(listing.directories.back().name, QStringLiteral("d299"));
    }

    void splitsLinksByWhatTheyPointAt()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QDir d(dir.path());
        QVERIFY(d.mkdir(QStringLiteral("real")));
        writeFile(d.filePath(QStringLiteral("data.bin")), 1234);
        QVERIFY(QFile::link(d.filePath(QStringLiteral("real")), d.filePath(QStringLiteral("toDir"))));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("data.bin")), d.filePath(QStringLiteral("toFile"))));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("missing")), d.filePath(QStringLiteral("dangling"))));

        const DirectoryListing listing = readDirectory(dir.path());
        QVERIFY(listing.ok);
        QCOMPARE(namesOf(listing.directories), (QStringList{"real", "toDir"}));
        QCOMPARE(namesOf(listing.files), (QStringList{"dangling", "data.bin", "toFile"}));

        const EntryInfo *real = find(listing.directories, QStringLiteral("real"));
        QVERIFY(real->isDirectory && !real->isLink);
        QVERIFY(real->attributes & attr::Directory);
        QCOMPARE(real->size, qint64(0));

        const EntryInfo *toDir = find(listing.directories, QStringLiteral("toDir"));
        QVERIFY(toDir->isDirectory && toDir->isLink);
        // The link itself is not a directory: recursive work stops at it.
        QVERIFY(!(toDir->attributes & attr::Directory));

        const EntryInfo *toFile = find(listing.files, QStringLiteral("toFile"));
        QVERIFY(!toFile->isDirectory && toFile->isLink);
        QCOMPARE(toFile->size, qint64(1234));

        const EntryInfo *dangling = find(listing.files, QStringLiteral("dangling"));
        QVERIFY(!dangling->isDirectory && dangling->isLink);

        QVERIFY(isDirectory(d.filePath(QStringLiteral("toDir"))));
        QVERIFY(!isDirectory(d.filePath(QStringLiteral("toFile"))));
        QVERIFY(fileExists(d.filePath(QStringLiteral("toFile"))));
        QVERIFY(fileExists(d.filePath(QStringLiteral("dangling"))));
        QVERIFY(!fileExists(d.filePath(QStringLiteral("toDir"))));
        QVERIFY(!fileExists(d.filePath(QStringLiteral("missing"))));
    }

    void sizesAndTimes()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        const QString big = dir.filePath(QStringLiteral("big"));
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly));
            // Sparse: no real space taken.
            QVERIFY(file.resize(qint64(5) << 30));
        }
        const QDateTime when(QDate(2021, 7, 14), QTime(13, 45, 30));
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
        }

        const DirectoryListing listing = readDirectory(dir.path());
        QVERIFY(listing.ok);
        QCOMPARE(listing.files.size(), size_t(1));
        const EntryInfo &entry = listing.files.front();
        QCOMPARE(entry.size, qint64(5) << 30);
        QCOMPARE(entry.modified, when);
        QCOMPARE(entry.modified.date(), when.date());
        QCOMPARE(entry.modified.time(), when.time());

        const auto info = entryInfo(big);
        QVERIFY(info);
        QCOMPARE(info->name, QStringLiteral("big"));
        QCOMPARE(info->size, entry.size);
        QCOMPARE(info->modified, when);
    }

    void unreadableOrVanished()
    {
        QString path;
        {
            QTemporaryDir dir(m_base);
            QVERIFY(dir.isValid());
            path = dir.path();
            writeFile(dir.filePath(QStringLiteral("f")));
            QVERIFY(readDirectory(path).ok);
            QVERIFY(entryInfo(dir.filePath(QStringLiteral("f"))).has_value());
        }
        const DirectoryListing listing = readDirectory(path);
        QVERIFY(!listing.ok);
        QCOMPARE(listing.error.code, ENOENT);
        QCOMPARE(listing.error.path, path);
        QVERIFY(listing.directories.empty() && listing.files.empty());
        QVERIFY(!entryInfo(path + QStringLiteral("/f")).has_value());
        FileError why;
        QVERIFY(!canEnter(path, &why));
        QCOMPARE(why.code, ENOENT);
        QVERIFY(why.text().startsWith(path + QStringLiteral(": ")));
        QVERIFY(!why.reason().isEmpty());
        QVERIFY(!isDirectory(path));
    }

    void makeDirectory_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("new") << QString() << QStringLiteral("Nowy") << 0;
        QTest::newRow("not UTF-8 name") << QString() << decodeName("a\xff\nb") << 0;
        QTest::newRow("already there") << QString() << QStringLiteral("jest") << EEXIST;
        QTest::newRow("beside a file of that name") << QString() << QStringLiteral("plik") << EEXIST;
        QTest::newRow("parent gone") << QStringLiteral("brak") << QStringLiteral("x") << ENOENT;
        QTest::newRow("parent is a file") << QStringLiteral("plik") << QStringLiteral("x") << ENOTDIR;
    }

    // Made by descriptor relative to the parent, whatever the working
    // directory is.
    void makeDirectory()
    {
        QFETCH(QString, parent);
        QFETCH(QString, name);
        QFETCH(int, code);
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("jest")));
        writeFile(dir.filePath(QStringLiteral("plik")));
        const QString where = parent.isEmpty() ? dir.path() : dir.filePath(parent);
        FileError why;
        QCOMPARE(oc::platform::makeDirectory(where, name, &why), code == 0);
        QCOMPARE(why.code, code);
        if (code == 0)
            QVERIFY(isDirectory(where + u'/' + name));
        else
            QVERIFY(why.path.endsWith(u'/' + name) || why.path == where);
    }

    void emptyDirectoryIsOk()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        const DirectoryListing listing = readDirectory(dir.path() + u'/');
        QVERIFY(listing.ok);
        QVERIFY(listing.directories.empty() && listing.files.empty());
    }

    // The walk ends in the entry that sets the stop, and stays on its
    // root's mount: a mount point is met and told once, never entered.
    void walkStopsAndStaysOnItsMount_data()
    {
        QTest::addColumn<int>("stopIn"); // 0: never
        QTest::addColumn<QString>("mount");
        QTest::addColumn<int>("visited");
        QTest::newRow("tmpfs mounted below") << 0 << "tmpfs" << 32;
        QTest::newRow("a directory of the same file system bound below") << 0 << "bind" << 32;
        QTest::newRow("stop set in the first entry") << 1 << "" << 1;
        QTest::newRow("stop set in the 20th entry") << 20 << "" << 20;
    }

    void walkStopsAndStaysOnItsMount()
    {
        QFETCH(int, stopIn);
        QFETCH(QString, mount);
        QFETCH(int, visited);
        QTemporaryDir dir(m_base), outside(m_base);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("d")) && QDir(dir.path()).mkpath(QStringLiteral("m")));
        for (int f = 0; f < 30; ++f)
            writeFile(dir.filePath(QStringLiteral("d/%1").arg(f)));
        const QString mountPoint = dir.filePath(QStringLiteral("m"));
        std::optional<oc::test::Montowanie> mounted;
        if (!mount.isEmpty() && !mounted.emplace(mountPoint, mount == u"bind" ? outside.path() : QString()).ok())
            QSKIP("this process may not mount file systems");
        writeFile(mountPoint + QStringLiteral("/below"));

        std::atomic<bool> stop{false};
        std::vector<FileError> told;
        const WalkControl control{&stop, [&](const FileError &failure) { told.push_back(failure); }};
        int count = 0;
        QVERIFY(walkTree(dir.path(), [&](const WalkEntry &entry) {
            QCOMPARE(entry.otherMount, mounted.has_value() && entry.path() == mountPoint);
            if (++count == stopIn)
                stop = true;
        }, nullptr, control));
        QCOMPARE(count, visited);
        QCOMPARE(told.size(), size_t(mounted ? 1 : 0));
        for (const FileError &failure : told)
            QVERIFY(failure.code == EXDEV && failure.path == mountPoint);
    }

    void enteringDirectories()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QVERIFY(canEnter(dir.path()));
        writeFile(dir.filePath(QStringLiteral("file")));
        FileError why;
        QVERIFY(!canEnter(dir.filePath(QStringLiteral("file")), &why));
        QCOMPARE(why.code, ENOTDIR);

        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner));
        // With privileges that override permissions (root) a file can still
        // be made in it, and entering it cannot be refused either.
        QFile probe(locked + QStringLiteral("/probe"));
        const bool privileged = probe.open(QIODevice::WriteOnly);
        const bool enterable = canEnter(locked);
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        if (privileged)
            QSKIP("running with privileges that override permissions: a directory without search permission can still be entered");
        QVERIFY(!enterable);
    }
};

QTEST_GUILESS_MAIN(TestDirectory)
#include "tst_directory.moc"
