#include <actions/ZapiszKatalogi.h>
#include <platform/Names.h>
#include <platform/Paths.h>
#include <shell/ReadPaths.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace platform = oc::platform;

namespace {

QByteArray czytaj(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void zapisz(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

// Every test gets a program directory and a user configuration folder of its
// own, so no real oc.pth is read or written.
class TestKatalogi : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
    QString m_config;
    QString m_a;
    QString m_b;

    QString fallback() const { return platform::withSeparator(platform::fallbackDirectory()); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_program = m_dir->filePath(QStringLiteral("program"));
        m_config = m_dir->filePath(QStringLiteral("config"));
        m_a = m_dir->filePath(QStringLiteral("lewy"));
        m_b = m_dir->filePath(QStringLiteral("prawy katalog"));
        for (const QString &path : {m_program, m_config, m_a, m_b})
            QVERIFY(QDir().mkpath(path));
        platform::setProgramDirectory(m_program);
        qputenv("XDG_CONFIG_HOME", m_config.toLocal8Bit());
    }

    void cleanup() { platform::setProgramDirectory({}); }

    void readPaths_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        // "A", "B" (written "%A", "%B" in the file), "fallback" or a literal path
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");

        QTest::newRow("no file") << QByteArray() << "fallback" << "fallback";
        QTest::newRow("one line") << QByteArray("%A\n") << "A" << "fallback";
        QTest::newRow("one line unterminated") << QByteArray("%A") << "A" << "fallback";
        QTest::newRow("two lines") << QByteArray("%A\n%B\n") << "A" << "B";
        QTest::newRow("CR LF lines") << QByteArray("%A\r\n%B\r\n") << "A" << "B";
        QTest::newRow("empty first line") << QByteArray("\n%B\n") << "fallback" << "B";
        QTest::newRow("vanished directory") << QByteArray("%A/usunięty\n%B\n") << "fallback" << "B";
        QTest::newRow("a file, not a directory") << QByteArray("%A\n%B/plik.txt\n") << "A" << "fallback";
        QTest::newRow("relative path") << QByteArray("lewy\n%B\n") << "fallback" << "B";
        QTest::newRow("root keeps its one slash") << QByteArray("/\n%B\n") << "/" << "B";
        QTest::newRow("saved with a trailing slash") << QByteArray("%A/\n%B\n") << "A" << "B";
    }

    void readPaths()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, left);
        QFETCH(QString, right);
        if (!content.isNull()) {
            content.replace("%A", m_a.toUtf8()).replace("%B", m_b.toUtf8());
            zapisz(m_program + QStringLiteral("/data/oc.pth"), content);
        }
        QFile(m_b + QStringLiteral("/plik.txt")).open(QIODevice::WriteOnly);

        const auto expected = [&](const QString &which) {
            if (which == u"A")
                return m_a + u'/';
            if (which == u"B")
                return m_b + u'/';
            if (which == u"fallback")
                return fallback();
            return which;
        };
        const std::array<QString, 2> katalogi = ReadPaths();
        QCOMPARE(katalogi[0], expected(left));
        QCOMPARE(katalogi[1], expected(right));
    }

    void readsTheUsersCopyWhenTheProgramHasNone()
    {
        zapisz(m_config + QStringLiteral("/orvane-commander/oc.pth"), (m_b + u'\n' + m_a + u'\n').toUtf8());
        const std::array<QString, 2> katalogi = ReadPaths();
        QCOMPARE(katalogi[0], m_b + u'/');
        QCOMPARE(katalogi[1], m_a + u'/');
    }

    void savesTwoLines_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("expected");
        QTest::newRow("directories lose the trailing slash") << "%A/" << "%B/" << "%A\n%B\n";
        QTest::newRow("root keeps its slash") << "/" << "%A/" << "/\n%A\n";
        QTest::newRow("both at the root") << "/" << "/" << "/\n/\n";
    }

    void savesTwoLines()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, expected);
        const auto real = [&](QString text) {
            return text.replace(QStringLiteral("%A"), m_a).replace(QStringLiteral("%B"), m_b);
        };
        zapisz(m_program + QStringLiteral("/data/oc.pth"), "stara treść, dłuższa niż nowa\n\n\n\n\n");

        QVERIFY(ZapiszKatalogi(real(left), real(right)));
        QCOMPARE(czytaj(m_program + QStringLiteral("/data/oc.pth")), real(expected).toUtf8());

        // What is saved reads back as the same two directories.
        const std::array<QString, 2> katalogi = ReadPaths();
        QCOMPARE(katalogi[0], platform::withSeparator(real(left)));
        QCOMPARE(katalogi[1], platform::withSeparator(real(right)));
    }

    void createsTheDataFolder()
    {
        QVERIFY(ZapiszKatalogi(m_a, m_b));
        QCOMPARE(czytaj(m_program + QStringLiteral("/data/oc.pth")), (m_a + u'\n' + m_b + u'\n').toUtf8());
    }

    void namesThatAreNotUtf8KeepTheirBytes()
    {
        const QString odd = platform::decodeName(QByteArray("/tmp/z\xff\xfe"));
        QVERIFY(ZapiszKatalogi(odd, QStringLiteral("/")));
        QCOMPARE(czytaj(m_program + QStringLiteral("/data/oc.pth")), QByteArray("/tmp/z\xff\xfe\n/\n"));
    }

    void aLineBreakInANameKeepsTwoLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("line feed") << "dwa\nwiersze";
        QTest::newRow("carriage return at the end") << "koniec\r";
    }

    // The file has no way to hold a line break, so such a directory is saved
    // as its nearest parent, and the right panel's line stays its own.
    void aLineBreakInANameKeepsTwoLines()
    {
        QFETCH(QString, name);
        const QString odd = m_a + u'/' + name;
        QVERIFY(QDir().mkpath(odd + QStringLiteral("/niżej")));
        QVERIFY(ZapiszKatalogi(odd + QStringLiteral("/niżej"), m_b));
        QCOMPARE(czytaj(m_program + QStringLiteral("/data/oc.pth")), (m_a + u'\n' + m_b + u'\n').toUtf8());
        const std::array<QString, 2> katalogi = ReadPaths();
        QCOMPARE(katalogi[0], m_a + u'/');
        QCOMPARE(katalogi[1], m_b + u'/');
    }

    void fallsBackToTheUsersFolder_data()
    {
        QTest::addColumn<QString>("blocker"); // a file put where a folder or the copy should be
        QTest::newRow("data folder is a file") << "data";
        QTest::newRow("program's copy is a folder") << "data/oc.pth/";
    }

    void fallsBackToTheUsersFolder()
    {
        QFETCH(QString, blocker);
        const QString path = m_program + u'/' + blocker;
        if (blocker.endsWith(u'/'))
            QVERIFY(QDir().mkpath(path));
        else
            zapisz(path, "nie katalog");

        QVERIFY(ZapiszKatalogi(m_a, QStringLiteral("/")));
        QCOMPARE(czytaj(m_config + QStringLiteral("/orvane-commander/oc.pth")),
                 (m_a + QStringLiteral("\n/\n")).toUtf8());
        QVERIFY(QFileInfo(path).exists());
    }

    void nowhereToWriteReportsFailure()
    {
        zapisz(m_program + QStringLiteral("/data"), "nie katalog");
        QVERIFY(QDir(m_config).removeRecursively());
        zapisz(m_config, "nie katalog");

        QVERIFY(!ZapiszKatalogi(m_a, m_b));
        QCOMPARE(czytaj(m_config), QByteArray("nie katalog"));
    }
};

QTEST_GUILESS_MAIN(TestKatalogi)
#include "tst_katalogi.moc"
