#include <platform/FileError.h>

#include <QTest>
#include <cerrno>
#include <cstring>

using namespace oc::platform;

// The reasons a report gives are Polish for the errors a file manager meets.
class TestFileError : public QObject
{
    Q_OBJECT

private slots:
    void reasonsInPolish_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("permission denied") << EACCES << "Brak uprawnień";
        QTest::newRow("missing") << ENOENT << "Nie ma takiego pliku ani katalogu";
        QTest::newRow("disk full") << ENOSPC << "Brak miejsca na urządzeniu";
        QTest::newRow("read-only file system") << EROFS << "System plików tylko do odczytu";
        QTest::newRow("another file system") << EXDEV << "Ścieżki leżą w różnych systemach plików";
        QTest::newRow("directory not empty") << ENOTEMPTY << "Katalog nie jest pusty";
        QTest::newRow("invalid argument") << EINVAL << "Nieprawidłowy argument";
        QTest::newRow("too many open files") << EMFILE << "Za dużo otwartych plików";
        // Nothing a file manager meets: the system's own words.
        QTest::newRow("outside the table") << ENOEXEC << QString::fromLocal8Bit(std::strerror(ENOEXEC));
    }

    void reasonsInPolish()
    {
        QFETCH(int, code);
        QFETCH(QString, reason);
        const FileError error{code, QStringLiteral("/x")};
        QCOMPARE(error.reason(), reason);
    }
};

QTEST_GUILESS_MAIN(TestFileError)
#include "tst_fileerror.moc"
