#include <platform/Attributes.h>
#include <platform/Directory.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace oc::platform;

namespace {

void writeFile(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

quint32 listedAttributes(const QString &dir, const QString &name)
{
    const DirectoryListing listing = readDirectory(dir);
    for (const auto *entries : {&listing.directories, &listing.files}) {
        for (const EntryInfo &entry : *entries) {
            if (entry.name == name)
                return entry.attributes;
        }
    }
    return 0xFFFFFFFF;
}

// Extended attributes on a file: the tests that need them skip where the
// file system keeps none.
bool keepsUserAttributes(const QString &file)
{
    if (!writeAttributes(file, attr::System))
        return false;
    return writeAttributes(file, 0);
}

} // namespace

class TestAttributes : public QObject
{
    Q_OBJECT

    // Beside the test program: on the build's disk, which keeps extended
    // attributes, unlike some temporary file systems.
    QString m_base = QCoreApplication::applicationDirPath() + QStringLiteral("/attributes-XXXXXX");

private slots:
    void readOnlyFollowsWritePermissions()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("plik"));
        writeFile(file);
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                                | QFileDevice::WriteGroup | QFileDevice::ReadOther));
        QCOMPARE(*readAttributes(file) & attr::ReadOnly, 0u);

        QVERIFY(writeAttributes(file, attr::ReadOnly));
        QCOMPARE(*readAttributes(file) & attr::ReadOnly, quint32(attr::ReadOnly));
        const auto readOnly = QFile::permissions(file);
        QVERIFY(!(readOnly & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)));
        QVERIFY(readOnly & QFileDevice::ReadOther); // the rest stays

        QVERIFY(writeAttributes(file, 0));
        QCOMPARE(*readAttributes(file) & attr::ReadOnly, 0u);
        const auto writable = QFile::permissions(file);
        QVERIFY(writable & QFileDevice::WriteOwner);
        QVERIFY(!(writable & QFileDevice::WriteGroup)); // only the owner gets it back

        // Any write bit means "not read-only".
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOther));
        QCOMPARE(*readAttributes(file) & attr::ReadOnly, 0u);
    }

    void directoryAndDotNames()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kat")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral(".ukryty")));
        writeFile(dir.filePath(QStringLiteral(".profile")));

        QCOMPARE(*readAttributes(dir.filePath(QStringLiteral("kat"))), quint32(attr::Directory));
        QCOMPARE(*readAttributes(dir.filePath(QStringLiteral(".ukryty"))), quint32(attr::Directory | attr::Hidden));
        QCOMPARE(*readAttributes(dir.filePath(QStringLiteral(".profile"))), quint32(attr::Hidden));
        QCOMPARE(listedAttributes(dir.path(), QStringLiteral(".ukryty")), quint32(attr::Directory | attr::Hidden));
        QCOMPARE(listedAttributes(dir.path(), QStringLiteral(".profile")), quint32(attr::Hidden));

        // Writing back what was read succeeds; making a dot name visible
        // cannot be done without renaming it, which is never done.
        const QString dotFile = dir.filePath(QStringLiteral(".profile"));
        QVERIFY(writeAttributes(dotFile, attr::Hidden));
        QVERIFY(!writeAttributes(dotFile, 0));
        QVERIFY(QFile::exists(dotFile));
        QCOMPARE(*readAttributes(dotFile) & attr::Hidden, quint32(attr::Hidden));
    }

    void missingEntry()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        const QString gone = dir.filePath(QStringLiteral("nie-ma"));
        QVERIFY(!readAttributes(gone).has_value());
        QVERIFY(!writeAttributes(gone, attr::ReadOnly));
    }

    void storedBitsRoundTrip_data()
    {
        QTest::addColumn<quint32>("bits");
        QTest::newRow("hidden") << quint32(attr::Hidden);
        QTest::newRow("system") << quint32(attr::System);
        QTest::newRow("archive") << quint32(attr::Archive);
        QTest::newRow("all three with read-only")
            << quint32(attr::Hidden | attr::System | attr::Archive | attr::ReadOnly);
        QTest::newRow("none") << quint32(0);
    }

    void storedBitsRoundTrip()
    {
        QFETCH(quint32, bits);
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("plik.dat"));
        writeFile(file);
        if (!keepsUserAttributes(file))
            QSKIP("the file system of the build directory keeps no user extended attributes");

        QVERIFY(writeAttributes(file, attr::Archive | attr::System));
        QVERIFY(writeAttributes(file, bits));
        QCOMPARE(*readAttributes(file), bits);
        QCOMPARE(listedAttributes(dir.path(), QStringLiteral("plik.dat")), bits);
        QCOMPARE(entryInfo(file)->attributes, bits);
    }

    // The stored form is the one Samba reads and writes.
    void storedFormIsSambas()
    {
        const QString getfattr = QStandardPaths::findExecutable(QStringLiteral("getfattr"));
        const QString setfattr = QStandardPaths::findExecutable(QStringLiteral("setfattr"));
        if (getfattr.isEmpty() || setfattr.isEmpty())
            QSKIP("getfattr and setfattr are not installed");
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("samba"));
        writeFile(file);
        if (!keepsUserAttributes(file))
            QSKIP("the file system of the build directory keeps no user extended attributes");

        QVERIFY(writeAttributes(file, attr::Hidden | attr::Archive));
        QProcess get;
        get.start(getfattr, {QStringLiteral("--only-values"), QStringLiteral("-n"), QStringLiteral("user.DOSATTRIB"), file});
        QVERIFY(get.waitForFinished());
        QCOMPARE(get.readAllStandardOutput(), QByteArray("0x22"));

        // Samba's binary form starts with the same text, ended by a NUL.
        QCOMPARE(QProcess::execute(setfattr, {QStringLiteral("-n"), QStringLiteral("user.DOSATTRIB"),
                                              QStringLiteral("-v"), QStringLiteral("0x30783600030003"), file}),
                 0);
        QCOMPARE(*readAttributes(file), quint32(attr::Hidden | attr::System));
        QCOMPARE(listedAttributes(dir.path(), QStringLiteral("samba")), quint32(attr::Hidden | attr::System));
    }
};

QTEST_GUILESS_MAIN(TestAttributes)
#include "tst_attributes.moc"
