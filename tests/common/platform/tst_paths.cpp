#include <platform/Paths.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace oc::platform;

namespace {

void writeFile(const QString &path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

} // namespace

class TestPaths : public QObject
{
    Q_OBJECT

    QString m_base = QCoreApplication::applicationDirPath() + QStringLiteral("/paths-XXXXXX");
    QTemporaryDir m_config{QCoreApplication::applicationDirPath() + QStringLiteral("/config-XXXXXX")};

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }

    void cleanup() { setProgramDirectory(QString()); }

    void programDirectoryDefaultsToTheExecutable()
    {
        QCOMPARE(programDirectory(), QCoreApplication::applicationDirPath());
        setProgramDirectory(QStringLiteral("/opt/oc/"));
        QCOMPARE(programDirectory(), QStringLiteral("/opt/oc"));
        QCOMPARE(mainProgram(), QStringLiteral("/opt/oc/oc"));
        QCOMPARE(repairTool(), QStringLiteral("/opt/oc/regmend"));
        QCOMPARE(registrationProgram(), QStringLiteral("/opt/oc/data/ocreg"));
    }

    void savedPathsBesideAWritableProgram()
    {
        QTemporaryDir program(m_base);
        QVERIFY(program.isValid());
        setProgramDirectory(program.path());
        QCOMPARE(savedPathsFile(), program.path() + QStringLiteral("/data/oc.pth"));
        QVERIFY(QFileInfo(program.path() + QStringLiteral("/data")).isDir());
    }

    void savedPathsFallBackToTheUser_data()
    {
        QTest::addColumn<bool>("byPermissions");
        QTest::newRow("program directory cannot exist") << false;
        QTest::newRow("program directory read-only") << true;
    }

    void savedPathsFallBackToTheUser()
    {
        QFETCH(bool, byPermissions);
        QTemporaryDir program(m_base);
        QVERIFY(program.isValid());
        QString directory;
        if (byPermissions) {
            directory = program.filePath(QStringLiteral("installed"));
            QVERIFY(QDir().mkdir(directory));
            QVERIFY(QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            QFile probe(directory + QStringLiteral("/probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                QVERIFY(QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
                QSKIP("running with privileges that override permissions (root): no directory is read-only");
            }
        } else {
            // Under a plain file: neither it nor its data folder can be made.
            writeFile(program.filePath(QStringLiteral("file")));
            directory = program.filePath(QStringLiteral("file/bin"));
        }
        setProgramDirectory(directory);
        const QString user = m_config.path() + QStringLiteral("/orvane-commander/oc.pth");
        QCOMPARE(savedPathsFile(), user);
        QVERIFY(QFileInfo(m_config.path() + QStringLiteral("/orvane-commander")).isDir());
        QVERIFY(!QFileInfo::exists(directory + QStringLiteral("/data")));
        if (byPermissions)
            QVERIFY(QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    }

    void savedPathsReadFromTheProgramCopyFirst()
    {
        QTemporaryDir program(m_base);
        QVERIFY(program.isValid());
        setProgramDirectory(program.path());
        const QString user = m_config.path() + QStringLiteral("/orvane-commander/oc.pth");
        QCOMPARE(savedPathsFileForReading(), user);
        const QString local = program.path() + QStringLiteral("/data/oc.pth");
        writeFile(local);
        QCOMPARE(savedPathsFileForReading(), local);

        // A later save that had to fall back to the user's copy wins.
        writeFile(user);
        QFile older(local);
        QVERIFY(older.open(QIODevice::ReadWrite));
        QVERIFY(older.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        older.close();
        QCOMPARE(savedPathsFileForReading(), user);
    }

    void sharedDataOfAnInstalledCopy_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("help");
        // Paths relative to the prefix; the program is in lib/orvane-commander.
        const QString program = QStringLiteral("lib/orvane-commander/");
        const QString shared = QStringLiteral("share/orvane-commander/");
        const QString kol = QStringLiteral("data/kolory/xk.kol");
        const QString htm = QStringLiteral("help/index.htm");
        QTest::newRow("build tree: beside the program wins over an installed copy")
            << QStringList{program + kol, program + htm, shared + kol, shared + htm} << program + kol << program + htm;
        QTest::newRow("installed: only under share")
            << QStringList{shared + kol, shared + htm} << shared + kol << shared + htm;
        QTest::newRow("each file looked up on its own")
            << QStringList{program + kol, shared + htm} << program + kol << shared + htm;
        QTest::newRow("share beside the program's own folder is not the prefix's")
            << QStringList{QStringLiteral("lib/share/orvane-commander/") + kol} << program + kol << program + htm;
        QTest::newRow("neither: where the program would look") << QStringList{} << program + kol << program + htm;
    }

    void sharedDataOfAnInstalledCopy()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, colours);
        QFETCH(QString, help);
        QTemporaryDir prefix(m_base);
        QVERIFY(prefix.isValid());
        const QString program = prefix.filePath(QStringLiteral("lib/orvane-commander"));
        QVERIFY(QDir().mkpath(program));
        for (const QString &file : present)
            writeFile(prefix.filePath(file));
        setProgramDirectory(program);
        QCOMPARE(colourSchemeFile(), prefix.filePath(colours));
        QCOMPARE(helpFile(), prefix.filePath(help));
    }

    void fallbackDirectory()
    {
        const QByteArray home = qgetenv("HOME");
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        qputenv("HOME", dir.path().toLocal8Bit());
        QCOMPARE(oc::platform::fallbackDirectory(), dir.path());
        qputenv("HOME", dir.filePath(QStringLiteral("nie-ma")).toLocal8Bit());
        QCOMPARE(oc::platform::fallbackDirectory(), QStringLiteral("/"));
        qputenv("HOME", home);
    }

    void separators_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("without");
        QTest::newRow("root") << "/" << "/" << "/";
        QTest::newRow("plain") << "/home/ala" << "/home/ala/" << "/home/ala";
        QTest::newRow("with one") << "/home/ala/" << "/home/ala/" << "/home/ala";
        QTest::newRow("with several") << "/home//" << "/home//" << "/home";
    }

    void separators()
    {
        QFETCH(QString, path);
        QFETCH(QString, with);
        QFETCH(QString, without);
        QCOMPARE(withSeparator(path), with);
        QCOMPARE(withoutSeparator(path), without);
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
