#include <platform/Attributes.h>
#include <platform/Directory.h>
#include <platform/Names.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace oc::platform;

class TestNames : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ascii") << QByteArray("plik.txt") << QStringLiteral("plik.txt");
        QTest::newRow("Polish UTF-8") << QByteArray("zażółć") << QStringLiteral("zażółć");
        QTest::newRow("four-byte sequence") << QByteArray("a\xF0\x9F\x98\x80") << QString::fromUtf8("a\xF0\x9F\x98\x80");
        QTest::newRow("Latin-1 e acute") << QByteArray("caf\xE9") << (QStringLiteral("caf") + QChar(0xDCE9));
        QTest::newRow("lone FF") << QByteArray("\xFF") << QString(QChar(0xDCFF));
        QTest::newRow("bad byte between good text")
            << QByteArray("\xC5\xBC\xFF\xC5\xBC") << (QStringLiteral("ż") + QChar(0xDCFF) + QStringLiteral("ż"));
        QTest::newRow("truncated sequence at the end") << QByteArray("a\xE2\x82") << (QStringLiteral("a") + QChar(0xDCE2) + QChar(0xDC82));
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << (QString(QChar(0xDCC0)) + QChar(0xDCAF));
        QTest::newRow("encoded surrogate")
            << QByteArray("\xED\xA0\x80") << (QString(QChar(0xDCED)) + QChar(0xDCA0) + QChar(0xDC80));
        QTest::newRow("past U+10FFFF")
            << QByteArray("\xF4\x90\x80\x80") << (QString(QChar(0xDCF4)) + QChar(0xDC90) + QChar(0xDC80) + QChar(0xDC80));
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeName(bytes), text);
        QCOMPARE(encodeName(text), bytes);
    }

    // "x/.." must never lose its "..", or a delete of it would reach x.
    void splitAtLastSlash_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("parent");
        QTest::addColumn<QByteArray>("last");
        QTest::newRow("dot-dot kept as the last name") << QByteArray("/a/x/..") << QByteArray("/a/x") << QByteArray("..");
        QTest::newRow("trailing slashes ignored") << QByteArray("/a/b//") << QByteArray("/a") << QByteArray("b");
        QTest::newRow("top entry") << QByteArray("/a") << QByteArray("/") << QByteArray("a");
        QTest::newRow("the root itself") << QByteArray("/") << QByteArray("/") << QByteArray("");
        QTest::newRow("no slash: the working directory's") << QByteArray("a") << QByteArray(".") << QByteArray("a");
    }

    void splitAtLastSlash()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, parent);
        QFETCH(QByteArray, last);
        QCOMPARE(parentOf(path), parent);
        QCOMPARE(lastComponent(path), last);
    }

    // A name that is not UTF-8, made by the shell so that nothing here
    // chooses its bytes: listed, described, its attributes read and its
    // contents opened through the decoded name.
    void fileWithNonUtf8Name()
    {
        QTemporaryDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/names-XXXXXX"));
        QVERIFY(dir.isValid());
        QCOMPARE(QProcess::execute(QStringLiteral("sh"),
                                   {QStringLiteral("-c"),
                                    QStringLiteral("printf zawartosc > \"$1/$(printf 'caf\\351\\377.txt')\""),
                                    QStringLiteral("sh"), dir.path()}),
                 0);

        const DirectoryListing listing = readDirectory(dir.path());
        QVERIFY(listing.ok);
        QCOMPARE(listing.files.size(), size_t(1));
        const QString name = listing.files.front().name;
        QCOMPARE(name, QStringLiteral("caf") + QChar(0xDCE9) + QChar(0xDCFF) + QStringLiteral(".txt"));
        QCOMPARE(encodeName(name), QByteArray("caf\xE9\xFF.txt"));
        QCOMPARE(listing.files.front().size, qint64(9));

        const QString path = dir.path() + u'/' + name;
        const auto info = entryInfo(path);
        QVERIFY(info);
        QCOMPARE(info->name, name);
        QCOMPARE(info->size, qint64(9));
        QVERIFY(fileExists(path));
        QVERIFY(readAttributes(path).has_value());
        QVERIFY(writeAttributes(path, attr::ReadOnly));
        QVERIFY(*readAttributes(path) & attr::ReadOnly);

        FILE *file = std::fopen(encodeName(path).constData(), "rb");
        QVERIFY(file);
        char buffer[16] = {};
        const size_t read = std::fread(buffer, 1, sizeof buffer, file);
        std::fclose(file);
        QCOMPARE(QByteArray(buffer, qsizetype(read)), QByteArray("zawartosc"));
    }
};

QTEST_GUILESS_MAIN(TestNames)
#include "tst_names.moc"
